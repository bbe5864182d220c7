// A plug-in folder that a test controls: a stand-in module recorded as the plug-in's instance (so
// that PluginFolder() is this folder) and, on request, a variant of the tests' translator library.
#pragma once

#include "host/module_instance.h"
#include "module_loader.h"
#include "test_files.h"
#include "text_codec.h"

#include <filesystem>
#include <string>

namespace rvntest {

inline std::filesystem::path translatorVariant(const std::string& variant) {
    return std::filesystem::path(RVN_BIN_DIR) / "translator" / variant / "TZTranslatorDll.dll";
}

class PluginFolderFixture {
public:
    // The stand-in module is a copy of the complete translator under another name: any library
    // loaded from the folder gives the plug-in its folder.
    PluginFolderFixture() {
        const auto module = folder_.path() / "Rivanta.arx";
        std::filesystem::copy_file(translatorVariant("complete"), module);
        standIn_ = LoadLibraryW(rvnos::fromUtf8(module.string()).c_str());
        RecordModuleInstance(standIn_);
    }
    ~PluginFolderFixture() {
        RecordModuleInstance(nullptr);
        if (standIn_) FreeLibrary(standIn_);
    }
    PluginFolderFixture(const PluginFolderFixture&) = delete;
    PluginFolderFixture& operator=(const PluginFolderFixture&) = delete;

    bool ready() const { return standIn_ != nullptr; }
    const std::filesystem::path& path() const { return folder_.path(); }
    std::wstring widePath() const { return rvnos::fromUtf8(folder_.path().string()); }

    // Puts a variant ("complete", "missing1" ... "missing7") in the folder as TZTranslatorDll.dll.
    void installTranslator(const std::string& variant) const {
        std::filesystem::copy_file(translatorVariant(variant), folder_.path() / "TZTranslatorDll.dll");
    }

private:
    ScratchDir folder_;
    HMODULE standIn_ = nullptr;
};

}  // namespace rvntest
