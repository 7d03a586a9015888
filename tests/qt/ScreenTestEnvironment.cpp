// One Qt application for the whole test binary, as the program has one.

#include <gtest/gtest.h>

#include <memory>

#include "platform/qt/screen/ScreenApplication.h"
#include "platform/qt/screen/ScreenOptions.h"

namespace {

class ScreenTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        m_application = std::make_unique<ScreenApplication>(ScreenOptions::kDefaultZoom, "cartavel_qt_tests");
    }
    void TearDown() override { m_application.reset(); }

private:
    std::unique_ptr<ScreenApplication> m_application;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new ScreenTestEnvironment);

} // namespace
