// The graph member through the host: property access, effects and their notifications, the
// Action commands' message boxes, the methods' argument rules, the 276-byte saved block and
// the properties dialog.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "zxframe/result_codes.h"
#include "zxhost/host.h"

using zxhost::Value;

namespace {

class GraphMember : public ::testing::Test {
protected:
    GraphMember() : host({std::string(ZX_BINARY_DIR) + "/bin"}) {
        host.loadModule(std::string(ZX_BINARY_DIR) + "/bin/plotmark32.so");
        member = &host.newMember("plotmark", "graph");
    }

    void addPoint(double x, double y) {
        member->setProp("XNewValue", Value(x));
        member->setProp("YNewValue", Value(y));
    }
    double number(const std::string& property) {
        const auto read = member->getProp(property);
        const auto* d = read.value.get<double>();
        return d != nullptr ? *d : -12345.0;
    }

    zxhost::Host host;
    zxhost::Member* member = nullptr;
};

} // namespace

TEST_F(GraphMember, ReadsAndWritesFollowEachPropertysAccess) {
    EXPECT_EQ(member->getProp("BlueSpacing").value, Value(180));
    EXPECT_EQ(member->getProp("XLabelString").value, Value("X-Axis"));
    EXPECT_EQ(member->getProp("DeltaX").value, Value(1.0));
    for (const char* writeOnly :
         {"XNewValue", "YNewValue", "CurrentSymbol", "CurveStyle", "CurveColor", "Action"}) {
        EXPECT_EQ(member->getProp(writeOnly).code, zx::kUnknownProperty) << writeOnly;
    }
    EXPECT_EQ(member->setProp("Pearson", Value(0.5)), zx::kUnknownProperty);
    EXPECT_EQ(member->setProp("NoSuchThing", Value(1)), zx::kUnknownProperty);
    EXPECT_EQ(member->setProp("XLabelString", Value(std::string(100, 'x'))), zx::kOk);
    EXPECT_EQ(member->getProp("XLabelString").value, Value(std::string(79, 'x')));
}

TEST_F(GraphMember, RefusedWritesStillMarkTheMemberChanged) {
    auto& sprite = host.addSprite(*member, {0, 0, 100, 100});
    sprite.idle();
    EXPECT_EQ(sprite.idle(), 0);
    member->setProp("Pearson", Value(1.0));
    EXPECT_EQ(sprite.idle(), 1);
}

TEST_F(GraphMember, MouseMoveReadsOnceAndAlwaysStartsTracking) {
    host.hooks().clearRecords();
    member->setProp("MouseMove", Value(7));
    ASSERT_EQ(host.hooks().records.notifications.size(), 1u);
    EXPECT_EQ(host.hooks().records.notifications[0].code, 3);
    EXPECT_EQ(member->getProp("MouseMove").value, Value(7));
    EXPECT_EQ(member->getProp("MouseMove").value, Value(0));
    // Nothing has drawn yet, so ordinary writes send no redraw notification.
    member->setProp("BackColor", Value(0x00FFFF));
    EXPECT_EQ(host.hooks().records.notifications.size(), 1u);
}

TEST_F(GraphMember, FitOfAddedPointsSetsPearsonAndPlotLineNeedsFourArguments) {
    for (int i = 0; i < 5; ++i) {
        addPoint(i, 2.0 * i + 1.0);
    }
    member->setProp("Action", Value(13));
    EXPECT_NEAR(number("Pearson"), 1.0, 1e-9);
    EXPECT_EQ(member->call("PlotLine", {Value(0.0), Value(1.0), Value(2.0)}).code,
              static_cast<int32_t>(0x800407E4u));
    EXPECT_EQ(member->call("PlotLine", {Value(0.0), Value(1.0), Value(2.0), Value(5.0)}).code,
              zx::kOk);
    EXPECT_EQ(member->call("Nope").code, zx::kUnknownCommand);
}

TEST_F(GraphMember, NewCurveAndLineCommandsTellWhenNoneIsEmpty) {
    for (int c = 0; c < 5; ++c) {
        member->setProp("CurrentCurve", Value(c));
        addPoint(1.0, 1.0);
    }
    host.messages();
    member->setProp("Action", Value(21));
    auto log = host.messages();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].kind, "messagebox");
    EXPECT_EQ(log[0].text, "No Empty Curve Available");
    EXPECT_EQ(log[0].caption, "New Curve");
    EXPECT_EQ(member->getProp("CurrentCurve").value, Value(4));

    member->setProp("Action", Value(9)); // empties everything
    member->setProp("Action", Value(21));
    EXPECT_TRUE(host.messages().empty());
    EXPECT_EQ(member->getProp("CurrentCurve").value, Value(0));
}

TEST_F(GraphMember, SingularFitShowsItsMessageAndKeepsPearson) {
    addPoint(2.0, 1.0);
    addPoint(2.0, 3.0);
    host.messages();
    member->setProp("Action", Value(13));
    const auto log = host.messages();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].text, "Singular Matrix");
    EXPECT_EQ(log[0].caption, "Curve Fit");
    EXPECT_EQ(number("Pearson"), 0.0);
}

TEST_F(GraphMember, MethodsNeedTheirHandleAndIgnoreUnknownOnes) {
    EXPECT_EQ(member->call("CheckCurveSelect").code, static_cast<int32_t>(0x800407E1u));
    const auto picked = member->call("CheckLineSelect", {Value(987654)});
    EXPECT_EQ(picked.code, zx::kOk);
    EXPECT_EQ(picked.value, Value(0));
    EXPECT_EQ(member->call("RedefineCurrentLine", {Value(-1)}).code, zx::kOk);
}

TEST_F(GraphMember, SavedBlockHoldsTheFieldsInTheirOrderAndReloadsBitIdentically) {
    member->setProp("LeftMargin", Value(33));
    member->setProp("XMinimum", Value(-2.5));
    member->setProp("YLabelString", Value("volts"));
    const auto bytes = member->save();
    ASSERT_EQ(bytes.size(), 276u);
    EXPECT_EQ(member->savedSize(), 276);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 8),
              (std::vector<uint8_t>{0, 0, 0, 1, 0, 0, 0, 33})); // BlackBorder, LeftMargin
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 84, bytes.begin() + 92),
              (std::vector<uint8_t>{0xC0, 0x04, 0, 0, 0, 0, 0, 0})); // XMinimum
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()) + 196), "volts");

    auto& other = host.newMember("plotmark", "copy");
    EXPECT_EQ(other.load(bytes), zx::kOk);
    EXPECT_EQ(other.save(), bytes);
    auto shorter = bytes;
    shorter.pop_back();
    auto& third = host.newMember("plotmark", "third");
    third.load(shorter);
    EXPECT_EQ(third.getProp("LeftMargin").value, Value(58));
}

TEST_F(GraphMember, DialogShowsAndStoresEveryKindOfControl) {
    member->setProp("BackColor", Value(0x302010));
    const auto outcome = member->dialog({{1000, false},
                                         {1009, 300},
                                         {1013, std::string("-4.5")},
                                         {1021, std::string("time")},
                                         {1023, 240}},
                                        true);
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.shown.at(1000), zxhost::DialogValue(true));
    EXPECT_EQ(outcome.shown.at(1009), zxhost::DialogValue(0x10));
    EXPECT_EQ(outcome.shown.at(1011), zxhost::DialogValue(0x30));
    EXPECT_EQ(outcome.shown.at(1014), zxhost::DialogValue(std::string("1.000000")));
    EXPECT_EQ(outcome.changeState, 2);
    EXPECT_EQ(member->getProp("BlackBorder").value, Value(0));
    EXPECT_EQ(member->getProp("BackColor").value, Value(0x30202C)); // red 300 keeps 44
    EXPECT_EQ(number("XMinimum"), -4.5);
    EXPECT_EQ(member->getProp("XLabelString").value, Value("time"));
    EXPECT_EQ(member->getProp("BlueSpacing").value, Value(240));
}
