#include "core/app/code_plug_document.h"

#include "core/image/factory_defaults.h"

namespace dpmr {

void CodePlugDocument::New() {
    pathName = kNewDocumentName;
    modified = false;
    WriteFactoryDefaults(image, limits);
    ReloadChannelView(image, limits, table);
}

FileResult CodePlugDocument::Open(const std::string &path) {
    FileResult result = LoadCodePlugFile(path, image);
    if (result) {
        pathName = path;
        modified = false;
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
    }
    return result;
}

void CodePlugDocument::ReplaceImage(const Image &received) {
    image = received;
    ReloadChannelView(image, limits, table);
}

} // namespace dpmr
