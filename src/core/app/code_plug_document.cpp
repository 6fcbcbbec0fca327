#include "core/app/code_plug_document.h"

#include "core/image/factory_defaults.h"

namespace dpmr {

void CodePlugDocument::New() {
    pathName = kNewDocumentName;
    modified = false;
    history.Clear();
    WriteFactoryDefaults(image, limits);
    ReloadChannelView(image, limits, table);
}

FileResult CodePlugDocument::Open(const std::string &path) {
    FileResult result = LoadCodePlugFile(path, image);
    if (result) {
        pathName = path;
        modified = false;
        history.Clear();
        ReloadChannelView(image, limits, table);
    }
    return result;
}

FileResult CodePlugDocument::Save(const std::string &path) {
    StoreChannelTable(table, image, limits);
    FileResult result = SaveCodePlugFile(path, image);
    if (result) {
        pathName = path;
        modified = false;
        history.MarkSaved();
    }
    return result;
}

void CodePlugDocument::ReplaceImage(const Image &received) {
    image = received;
    ReloadChannelView(image, limits, table);
}

bool CodePlugDocument::RecordChange(const Image &before, std::string label) {
    if (before == image)
        return false;
    history.Record(before, std::move(label));
    modified = true;
    return true;
}

bool CodePlugDocument::Undo() {
    return Restore(history.Undo(image));
}

bool CodePlugDocument::Redo() {
    return Restore(history.Redo(image));
}

bool CodePlugDocument::Restore(std::optional<Image> restored) {
    if (!restored)
        return false;
    image = *restored;
    LoadChannelTable(image, limits, table);
    modified = !history.AtSavedState();
    return true;
}

} // namespace dpmr
