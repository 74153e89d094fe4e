#include <gtest/gtest.h>

#include <dlfcn.h>

#include "fractal_view.h"

using namespace zarvo;

TEST(PluginBinding, MissingLibraryReportsAndBindsNothing) {
    ParameterSet ps;
    CollectingReporter rep;
    FractalView view(ps, rep);
    view.pluginFileName = "no-such-plugin.zvo";
    EXPECT_FALSE(view.InitializeMainDLL());
    ASSERT_EQ(rep.messages.size(), 1u);
    EXPECT_EQ(rep.messages[0], "Error loading DLL: no-such-plugin.zvo");
    EXPECT_EQ(ps.pluginHandle, nullptr);
    // Nothing bound: neither formula nor texts may be called.
    ps.formulaIndex = 0;
    view.GetDLLDescriptions();
    EXPECT_EQ(view.draw_fractal(), 0);
}

TEST(PluginBinding, LibraryWithoutExportsIsNeverCalled) {
    ParameterSet ps;
    CollectingReporter rep;
    FractalView view(ps, rep);
    view.pluginFileName = NO_EXPORTS_PLUGIN;
    EXPECT_TRUE(view.InitializeMainDLL());
    ASSERT_EQ(rep.messages.size(), 1u);
    EXPECT_EQ(rep.messages[0], "Error, Total formula = 0");
    EXPECT_EQ(ps.formulaCount, 0);
    EXPECT_EQ(view.draw_fractal(), 0);
    ps.vantrelFormulaMode = 0;
    ps.pictureWidth = 4;
    ps.pictureHeight = 3;
    ScanHooks hooks;
    const ScanResult r = view.UpdateFractal(hooks);
    EXPECT_TRUE(r.completed);
}

TEST(PluginBinding, TextsOnlyForValidIndices) {
    ParameterSet ps;
    CollectingReporter rep;
    FractalView view(ps, rep);
    view.pluginFileName = PROBE_PLUGIN;
    ps.formulaIndex = 2;
    ASSERT_TRUE(view.InitializeMainDLL());
    EXPECT_TRUE(rep.messages.empty());
    EXPECT_EQ(ps.formulaCount, 3);
    EXPECT_STREQ(ps.formulaTitle, "probe ");
    EXPECT_EQ(view.lastInfoResult, 2);
    EXPECT_NE(ps.pluginHandle, nullptr);

    // An index left by a parameter file or the attractor side (up to 75)
    // keeps the texts as they were.
    ps.setFormulaTexts("kept", "kept too");
    for (int index : {3, 75, -1}) {
        ps.formulaIndex = index;
        view.GetDLLDescriptions();
        EXPECT_STREQ(ps.formulaTitle, "kept");
        EXPECT_STREQ(ps.formulaDescription, "kept too");
    }
    view.ReleasePlugin();
    EXPECT_EQ(ps.pluginHandle, nullptr);
}
