#include "port/settings_store.h"

#include "platform/log.h"
#include "port/settings_file.h"

namespace {

struct Store {
    std::filesystem::path path;
    IniDocument document;
    Settings settings = defaultSettings();
    void (*listener)(const Settings&) = nullptr;
};

Store& store() {
    static Store* const instance = new Store();
    return *instance;
}

constexpr const char* kHeading =
    "# Quorvish Blemp's settings, a file to edit by hand or from the game's settings screen\n"
    "# (F1). The game rewrites it when a setting changes; keys it does not know are kept.";

void write() {
    if (store().path.empty()) return;
    std::string reason;
    if (!writeFileAtomically(store().path, store().document.text(), reason))
        logMessage("Settings: cannot write %s (%s); the game goes on without saving",
                   store().path.c_str(), reason.c_str());
}

IniDocument readDocument(const SettingsText& file) {
    std::vector<IniDocument::BadLine> bad;
    IniDocument document = IniDocument::parse(file.text, bad);
    for (const IniDocument::BadLine& line : bad)
        logMessage("Settings: %s line %d cannot be read and is left as it is: %s",
                   store().path.c_str(), line.number, line.text.substr(0, 60).c_str());
    if (file.cut)
        logMessage("Settings: %s is longer than %zu bytes; the rest is not read",
                   store().path.c_str(), kSettingsFileCap);
    return document;
}

} // namespace

void loadSettings(const std::filesystem::path& path, bool reset) {
    store() = Store{path, {}, defaultSettings(), store().listener};
    if (path.empty()) {
        logMessage("Settings: no home folder for the settings file; the defaults are used");
        return;
    }
    const SettingsText file = readSettingsText(path);
    if (file.status == SettingsText::kUnreadable) {
        logMessage("Settings: cannot read %s (%s); the defaults are used", path.c_str(),
                   file.reason.c_str());
        if (!reset) return;
    }
    if (file.status == SettingsText::kRead) {
        store().document = readDocument(file);
        store().settings = readSettings(store().document, path.string());
        if (!reset) return;
        store().settings = defaultSettings();
    }
    std::vector<IniDocument::BadLine> none;
    if (store().document.text().empty()) store().document = IniDocument::parse(kHeading, none);
    storeSettings(store().settings, store().document);
    write();
}

const Settings& currentSettings() {
    return store().settings;
}

bool changeSettings(const Settings& next) {
    if (next == store().settings) return false;
    store().settings = next;
    storeSettings(next, store().document);
    write();
    if (store().listener != nullptr) store().listener(next);
    return true;
}

void setSettingsListener(void (*listener)(const Settings&)) {
    store().listener = listener;
}
