// A parameter set with the attractor view opened and a seeded generator.
#pragma once

#include <gtest/gtest.h>

#include "parameter_set.h"
#include "reporter.h"
#include "attractor_engine.h"

namespace zarvo::attractor::testing {

class AttractorTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine.OpenView();
        engine.fixedSeed = 12345;
        engine.random.seed(12345);
    }
    // A plot window of exactly one plane unit per pixel: pixel (px, py)
    // covers x in [px - 0.5, px + 0.5) around px, from 0 at the left edge.
    void UnitPlotWindow() {
        ps.plotXMin = 0.0;
        ps.plotXMax = ps.vtlWidth;
        ps.plotYMin = 0.0;
        ps.plotYMax = ps.vtlHeight;
    }
    ParameterSet ps;
    CollectingReporter reporter;
    AttractorEngine engine{ps, reporter};
};

}  // namespace zarvo::attractor::testing
