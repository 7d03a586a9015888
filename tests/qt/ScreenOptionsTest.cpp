// The screen platform's command line, and its check for a display before Qt
// is asked to open one.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/qt/screen/ScreenApplication.h"
#include "platform/qt/screen/ScreenOptions.h"

namespace {

ScreenOptions Parsed(std::initializer_list<const char*> words, bool expectOk) {
    std::vector<const char*> argv = {"cartavel"};
    argv.insert(argv.end(), words);
    ScreenOptions options;
    EXPECT_EQ(options.Parse(static_cast<int>(argv.size()), argv.data()), expectOk) << options.Error();
    return options;
}

TEST(ScreenOptions, TakesAZoomFromOneToEightTheFirstPaintFlagAndNothingElse) {
    EXPECT_EQ(Parsed({}, true).Zoom(), ScreenOptions::kZoomOfScreen);
    EXPECT_FALSE(Parsed({}, true).MeasuresFirstPaint());
    EXPECT_TRUE(Parsed({"--first-paint", "--zoom", "2"}, true).MeasuresFirstPaint());
    EXPECT_EQ(Parsed({"--zoom", "3"}, true).Zoom(), 3);
    EXPECT_EQ(Parsed({"--zoom=1"}, true).Zoom(), 1);
    EXPECT_TRUE(Parsed({"--help"}, true).WantsHelp());

    EXPECT_EQ(Parsed({"--zoom"}, false).Error(), "--zoom needs a number");
    EXPECT_NE(Parsed({"--zoom", "0"}, false).Error().find("1 to 8"), std::string::npos);
    EXPECT_NE(Parsed({"--zoom", "9"}, false).Error().find("'9'"), std::string::npos);
    EXPECT_NE(Parsed({"--zoom", "2x"}, false).Error().find("'2x'"), std::string::npos);
    EXPECT_EQ(Parsed({"data.cdb"}, false).Error(), "unknown argument 'data.cdb'");
}

// Restores an environment variable when the test ends.
class SavedVariable {
public:
    explicit SavedVariable(const char* name) : m_name(name) {
        const char* value = std::getenv(name);
        m_set = value != nullptr;
        if (value) m_value = value;
    }
    ~SavedVariable() {
        if (m_set) setenv(m_name, m_value.c_str(), 1);
        else unsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_set = false;
    std::string m_value;
};

TEST(ScreenOptions, NoDisplayIsNoticedBeforeQtTries) {
    SavedVariable platform("QT_QPA_PLATFORM"), x11("DISPLAY"), wayland("WAYLAND_DISPLAY");
    unsetenv("QT_QPA_PLATFORM");
    unsetenv("DISPLAY");
    setenv("WAYLAND_DISPLAY", "", 1);
    EXPECT_NE(ScreenApplication::MissingDisplay().find("DISPLAY"), std::string::npos);
    setenv("DISPLAY", ":5", 1);
    EXPECT_EQ(ScreenApplication::MissingDisplay(), "");
    unsetenv("DISPLAY");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    EXPECT_EQ(ScreenApplication::MissingDisplay(), "");
}

} // namespace
