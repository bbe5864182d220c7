#include "temp_path.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value, 1); else unsetenv(name);
    }
    ~ScopedEnvironment() {
        if (old_) setenv(name_, old_->c_str(), 1); else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

std::wstring tempPathWithBuffer(DWORD length) {
    std::wstring buffer(length, L'#');
    const DWORD written = GetTempPathW(length, buffer.data());
    if (written >= length) {
        EXPECT_EQ(std::wstring(length, L'#'), buffer) << "a path that does not fit leaves it untouched";
    }
    return written != 0 && written < length ? buffer.substr(0, written) : L"<" + std::to_wstring(written) + L">";
}

// A folder longer than a path gives 0; one that does not fit the buffer leaves it untouched.
TEST(OsTempPath, FollowsTmpdirEndsWithSeparatorAndHonoursTheBufferSize) {
    const std::string longFolder = "/" + std::string(300, 'd');
    const std::pair<const char*, const wchar_t*> cases[] = {{"/var/tmp/rivanta", L"/var/tmp/rivanta/"},
                                                            {"/var/tmp/", L"/var/tmp/"}, {"", L"/tmp/"},
                                                            {nullptr, L"/tmp/"}, {longFolder.c_str(), L"<0>"}};
    for (const auto& [tmpdir, expected] : cases) {
        ScopedEnvironment environment("TMPDIR", tmpdir);
        EXPECT_EQ(tempPathWithBuffer(MAX_PATH + 1), expected) << (tmpdir ? tmpdir : "(unset)");
    }
    ScopedEnvironment tmpdir("TMPDIR", "/tmp");
    // "/tmp/" needs 6 units with its terminator.
    EXPECT_EQ(tempPathWithBuffer(5), L"<6>");
    EXPECT_EQ(GetTempPathW(0, nullptr), 6u);
    EXPECT_EQ(tempPathWithBuffer(6), L"/tmp/");
}

}  // namespace
