// dump, apply, get, set, diff and fields: thin over core/settings_text, which holds the rules.

#include "cli/tool_commands.h"
#include "core/files/input_file.h"
#include "core/image/code_plug_file.h"
#include "core/settings_text/field_listing.h"
#include "core/settings_text/settings_toml.h"
#include "core/text/message_text.h"

#include <cstdio>
#include <map>

namespace dpmr::cli {

namespace {

// A file name as messages show it.
std::string Shown(const std::string &path) {
    return EscapedText(path, kEchoedPathLength);
}

int Fail(const std::string &message) {
    std::fprintf(stderr, "dpmr-tool: %s\n", message.c_str());
    return kExitFailed;
}

// Applies the changes and saves, or names what was refused and leaves the file alone.
int ApplyAndSave(const std::string &file, Image &image, const std::string &source, ListRows rows,
                 const std::vector<SettingChange> &changes) {
    const ApplyResult applied = ApplySettings(image, changes, rows);
    if (!applied)
        return Fail(source + applied.message + "; " + Shown(file) + " unchanged");
    if (!applied.changed)
        return 0;
    if (const FileResult saved = SaveCodePlugFile(file, image); !saved)
        return Fail(saved.message);
    return 0;
}

} // namespace

int RunDumpCommand(const ToolOptions &options) {
    Image image;
    if (const FileResult loaded = LoadCodePlugFile(options.file, image); !loaded)
        return Fail(loaded.message);
    const std::string text = SettingsToml(ReadSettings(image), image, options.section);
    if (text.empty() && !options.section.empty())
        return Fail("no section " + Quoted(options.section) + " in " + Shown(options.file));
    std::fputs(text.c_str(), stdout);
    return 0;
}

int RunApplyCommand(const ToolOptions &options) {
    Image image;
    if (const FileResult loaded = LoadCodePlugFile(options.file, image); !loaded)
        return Fail(loaded.message);
    // The whole document or nothing: a folder, a device or a read that fails halfway applies
    // nothing. A pipe is read to its end (apply plug.dat /dev/stdin).
    std::string document;
    if (const InputResult read = ReadInputFile(options.other, InputKind::FileOrPipe,
                                               kMaxSettingsDocumentSize + 1, document);
        !read)
        return Fail(InputFailure(options.other, read).message + "; " + Shown(options.file) +
                    " unchanged");
    // One byte past the cap reaches the parser, which refuses it by its size.
    std::vector<SettingChange> changes;
    if (const ApplyResult parsed = ChangesFromToml(document, changes); !parsed)
        return Fail(Shown(options.other) + ": " + parsed.message + "; " + Shown(options.file) +
                    " unchanged");
    return ApplyAndSave(options.file, image, Shown(options.other) + ": ", ListRows::Whole, changes);
}

int RunSetCommand(const ToolOptions &options) {
    Image image;
    if (const FileResult loaded = LoadCodePlugFile(options.file, image); !loaded)
        return Fail(loaded.message);
    std::vector<SettingChange> changes;
    for (std::size_t i = 0; i < options.names.size(); ++i) {
        const std::string &pair = options.names[i];
        const auto equals = pair.find('=');
        if (equals == std::string::npos)
            return Fail("argument " + Quoted(pair) + " is not FIELD=VALUE; " + Shown(options.file) +
                        " unchanged");
        changes.push_back(
            {pair.substr(0, equals), pair.substr(equals + 1), "argument " + std::to_string(i + 1)});
    }
    return ApplyAndSave(options.file, image, "", ListRows::Edit, changes);
}

int RunGetCommand(const ToolOptions &options) {
    Image image;
    if (const FileResult loaded = LoadCodePlugFile(options.file, image); !loaded)
        return Fail(loaded.message);
    std::map<std::string, std::string> shown;
    for (const Setting &setting : ReadSettings(image))
        shown[setting.Path()] = ValueText(setting);
    std::string out;
    for (const std::string &name : options.names) {
        const auto it = shown.find(name);
        if (it == shown.end())
            return Fail("no setting " + EscapedText(name) + " in " + Shown(options.file) +
                        " (see dpmr-tool fields; unused channels have none)");
        out += options.names.size() == 1 ? it->second + "\n" : name + "=" + it->second + "\n";
    }
    std::fputs(out.c_str(), stdout);
    return 0;
}

int RunDiffCommand(const ToolOptions &options) {
    Image a, b;
    if (const FileResult loaded = LoadCodePlugFile(options.file, a); !loaded)
        return Fail(loaded.message);
    if (const FileResult loaded = LoadCodePlugFile(options.other, b); !loaded)
        return Fail(loaded.message);
    const auto differences = DiffSettings(ReadSettings(a), ReadSettings(b));
    for (const SettingDifference &d : differences)
        std::printf("%s: \"%s\" -> \"%s\"\n", d.path.c_str(), d.a.c_str(), d.b.c_str());
    return differences.empty() ? 0 : 1;
}

int RunFieldsCommand() {
    std::fputs(FieldListing().c_str(), stdout);
    return 0;
}

} // namespace dpmr::cli
