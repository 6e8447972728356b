// One QApplication for the whole test program: widgets need it.
#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtApplicationEnvironment final : public ::testing::Environment {
public:
    void SetUp() override {
        if (QApplication::instance() == nullptr)
            app_ = new QApplication(argc_, argv_);
    }
    void TearDown() override {
        delete app_;
        app_ = nullptr;
    }

private:
    inline static int argc_ = 1;
    inline static char name_[] = "kav_test";
    inline static char* argv_[] = {name_, nullptr};
    QApplication* app_ = nullptr;
};

::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

} // namespace
