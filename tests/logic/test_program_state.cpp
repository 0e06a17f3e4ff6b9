#include "logic/state/program_state.h"
#include "support/builders.h"

#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;

namespace {

// Every setter of the shared state that is followed announces its change, and only its
// own, so that a window following the history is not woken by a new colour scheme.
struct SetterCase {
    const char* name;
    const char* signal; // empty: the setter announces nothing
    std::function<void(ProgramState&)> change;
};

class ProgramStateSignals : public testing::TestWithParam<SetterCase> {};

TEST_P(ProgramStateSignals, EachSetterAnnouncesItsOwnChange) {
    ProgramState state;
    const char* signalNames[] = {SIGNAL(historyChanged()), SIGNAL(colourSchemeChanged())};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* s : signalNames)
        spies.push_back(std::make_unique<QSignalSpy>(&state, s));
    GetParam().change(state);
    for (std::size_t i = 0; i < spies.size(); ++i) {
        const bool own = *GetParam().signal && QByteArray(signalNames[i]).contains(GetParam().signal);
        EXPECT_EQ(spies[i]->count(), own ? 1 : 0) << signalNames[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Setters, ProgramStateSignals,
    testing::Values(SetterCase{"history", "historyChanged",
                               [](ProgramState& s) { s.setHistory({draw(QDate(2024, 2, 24), run20(1))}); }},
                    SetterCase{"options", "",
                               [](ProgramState& s) {
                                   OptionsRecord options;
                                   options.statAnzahlIndex = 3;
                                   s.setOptions(options);
                               }},
                    SetterCase{"colourScheme", "colourSchemeChanged",
                               [](ProgramState& s) { s.setColourScheme(4); }}),
    [](const testing::TestParamInfo<SetterCase>& info) { return std::string(info.param.name); });

TEST(ProgramState, TheSameColourSchemeAgainAnnouncesNothing) {
    ProgramState state;
    state.setColourScheme(4);
    QSignalSpy scheme(&state, &ProgramState::colourSchemeChanged);
    state.setColourScheme(4);
    EXPECT_EQ(scheme.count(), 0);
    EXPECT_EQ(state.colourScheme(), 4);
}

} // namespace
