#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "app/style_file.h"
#include "ui/application.h"
#include "ui/test_driver.h"

namespace velt {
namespace {

class StyleFile : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/velt-style-XXXXXX";
        dir = mkdtemp(tmpl);
        const char* old = std::getenv("XDG_CONFIG_HOME");
        savedConfigHome = old ? std::optional<std::string>(old) : std::nullopt;
        setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
        ui::Application::instance().reset();
        ui::Application::instance().setDriver(&driver);
    }
    void TearDown() override {
        ui::Application::instance().setDriver(nullptr);
        std::filesystem::remove_all(dir);
        // Other tests of this program read the installation configuration from there.
        if (savedConfigHome) setenv("XDG_CONFIG_HOME", savedConfigHome->c_str(), 1);
        else unsetenv("XDG_CONFIG_HOME");
    }
    void write(const std::string& content) {
        std::filesystem::create_directories(dir + "/velt-erp");
        std::ofstream(styleFilePath()) << content;
    }
    std::string content() {
        std::ifstream in(styleFilePath());
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    std::string dir;
    std::optional<std::string> savedConfigHome;
    ui::TestDriver driver;
};

struct StyleCase {
    const char* name;
    const char* before;  // nullptr: no file
    const char* style;
    const char* after;
};

class StyleCases : public StyleFile, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(StyleCases, StartAppliesAndRepairsTheFile) {
    const auto& c = GetParam();
    if (c.before) write(c.before);
    applyStartStyle();
    EXPECT_EQ(ui::Application::instance().activeStyle(), c.style);
    EXPECT_EQ(driver.appliedStyles, std::vector<std::string>{c.style});
    EXPECT_EQ(content(), c.after);
    EXPECT_TRUE(driver.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, StyleCases, ::testing::Values(
    StyleCase{"absent", nullptr, "Windows", "Windows\n"},
    StyleCase{"empty", "", "Windows", "Windows\n"},
    StyleCase{"first_line_empty", "\nFusion\n", "Windows", "\nFusion\nWindows\n"},
    StyleCase{"chosen", "Onyx Blue\n", "Onyx Blue", "Onyx Blue\n"},
    StyleCase{"no_line_break", "Fusion", "Fusion", "Fusion"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StyleFile, UnknownStyleIsReportedAndTheLookStays) {
    write("Neon\n");
    applyStartStyle();
    EXPECT_EQ(ui::Application::instance().activeStyle(), "");
    EXPECT_TRUE(driver.appliedStyles.empty());
    ASSERT_EQ(driver.messages.size(), 1u);
    EXPECT_EQ(driver.messages[0].text, "Стиль \"Neon\" не найден");
    EXPECT_EQ(content(), "Neon\n");
}

} // namespace
} // namespace velt
