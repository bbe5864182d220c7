// One Qt application for the test program, on the offscreen platform whatever the environment
// says, made when the tests start (listing them starts nothing).
#include <gtest/gtest.h>

#include <QApplication>

#include <memory>

namespace {

class QtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { application_.reset(); }

private:
    int argc_ = 1;
    char name_[9] = "test_gui";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] const auto* const kApplication = ::testing::AddGlobalTestEnvironment(new QtApplication);

}  // namespace
