#include "logic/state/program_state.h"
#include "support/builders.h"

#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

using namespace talvo::logic;
using talvo::test::draw;
using talvo::test::run20;
using talvo::test::slip;

namespace {

// Every setter of the shared state announces its change, and only its own, so that a
// window following one list is not woken by another.
struct SetterCase {
    const char* name;
    const char* signal;
    std::function<void(ProgramState&)> change;
};

class ProgramStateSignals : public testing::TestWithParam<SetterCase> {};

TEST_P(ProgramStateSignals, EachSetterAnnouncesItsOwnChange) {
    ProgramState state;
    const char* signalNames[] = {SIGNAL(historyChanged()),         SIGNAL(evaluationSlipsChanged()),
                                 SIGNAL(slipCentreSlipsChanged()), SIGNAL(boardSelectionChanged()),
                                 SIGNAL(optionsChanged()),         SIGNAL(colourSchemeChanged())};
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const char* s : signalNames)
        spies.push_back(std::make_unique<QSignalSpy>(&state, s));
    GetParam().change(state);
    for (std::size_t i = 0; i < spies.size(); ++i) {
        const bool own = QByteArray(signalNames[i]).contains(GetParam().signal);
        EXPECT_EQ(spies[i]->count(), own ? 1 : 0) << signalNames[i];
    }
}

NumberSet numbers(std::initializer_list<int> list) {
    NumberSet set;
    for (int n : list)
        set.insert(n);
    return set;
}

INSTANTIATE_TEST_SUITE_P(
    Setters, ProgramStateSignals,
    testing::Values(SetterCase{"history", "historyChanged",
                               [](ProgramState& s) { s.setHistory({draw(QDate(2024, 2, 24), run20(1))}); }},
                    SetterCase{"evaluationSlips", "evaluationSlipsChanged",
                               [](ProgramState& s) {
                                   s.appendEvaluationSlips({slip({{1, 2, 3}})});
                               }},
                    SetterCase{"slipCentreSlips", "slipCentreSlipsChanged",
                               [](ProgramState& s) {
                                   s.setSlipCentreSlips({slip({{4, 5}})});
                               }},
                    SetterCase{"boardSelection", "boardSelectionChanged",
                               [](ProgramState& s) {
                                   s.setBoardSelection(numbers({7, 21}));
                               }},
                    SetterCase{"options", "optionsChanged",
                               [](ProgramState& s) {
                                   OptionsRecord options;
                                   options.statAnzahlIndex = 3;
                                   s.setOptions(options);
                               }},
                    SetterCase{"colourScheme", "colourSchemeChanged",
                               [](ProgramState& s) { s.setColourScheme(4); }}),
    [](const testing::TestParamInfo<SetterCase>& info) { return std::string(info.param.name); });

TEST(ProgramState, WhatChangesNothingAnnouncesNothing) {
    ProgramState state;
    state.setBoardSelection(numbers({7, 21}));
    state.setColourScheme(4);
    QSignalSpy board(&state, &ProgramState::boardSelectionChanged);
    QSignalSpy scheme(&state, &ProgramState::colourSchemeChanged);
    QSignalSpy slips(&state, &ProgramState::evaluationSlipsChanged);
    state.setBoardSelection(numbers({21, 7}));
    state.setColourScheme(4);
    state.appendEvaluationSlips({});
    EXPECT_EQ(board.count(), 0);
    EXPECT_EQ(scheme.count(), 0);
    EXPECT_EQ(slips.count(), 0);
    EXPECT_EQ(state.boardSelectionCount(), 2);
}

} // namespace
