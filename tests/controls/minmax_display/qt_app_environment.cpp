// One QApplication for all widget tests of this executable.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

int g_argc = 1;
char g_arg0[] = "test_minmax_display";
char* g_argv[] = {g_arg0, nullptr};

class QtApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance() == nullptr)
            app_ = new QApplication(g_argc, g_argv);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    QApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const g_env =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
