#include "logic/core/paths.h"
#include "logic/core/program_state.h"
#include "logic/settings/einstellungen.h"
#include "ui/app/application.h"
#include "ui/app/form_offen.h"
#include "ui/common/message_box.h"
#include "ui/evaluation/main_window.h"
#include "ui/settings/optionen.h"
#include "ui/slips/eingabe2.h"
#include "ui/slips/slip_editor_widget.h"

#include <QAction>
#include <QButtonGroup>
#include <QTemporaryDir>
#include <QtTest>

using namespace talvo;

// The options and the slip centre as the program builds them at start-up.
class StartupSlipsTest : public QObject {
    Q_OBJECT

  private slots:
    void optionsReachTheSlipCentreAndTheRoutesOpenBothWindows() {
        QStringList messages;
        ui::setMessageHook([&messages](const QString& text, ui::MessageIcon) {
            messages << text;
            return true;
        });
        QTemporaryDir data;
        logic::AppPaths paths;
        paths.dataDir = data.path() + QLatin1Char('/');
        logic::TEinstellungen e;
        e.farbschema = 4;
        e.scheinTyp = {3, 0, 0, 0, 0};
        logic::EinstellungenSchreiben(paths.optionsFile(), e);

        ui::Application program(paths);
        program.start();
        QVERIFY(messages.isEmpty());
        QVERIFY(ui::FormOffen(QStringLiteral("FOptionen")));
        QVERIFY(ui::FormOffen(QStringLiteral("FEingabe2")));
        QCOMPARE(program.state().aktFarbschema(), 5);
        QCOMPARE(program.state().Einstellungen.scheinTyp[0], 3);

        ui::TFAuswertung* main = program.mainWindow();
        for (const char* name : {"MOptionen", "TOptionen", "TSpielscheincenter"})
            QVERIFY2(main->findChild<QAction*>(QString::fromLatin1(name))->isEnabled(), name);
        main->findChild<QAction*>(QStringLiteral("TSpielscheincenter"))->trigger();
        ui::TFEingabe2* centre = program.slipCentre();
        QVERIFY(centre->isVisible());
        centre->findChild<QAction*>(QStringLiteral("BOptionen"))->trigger();
        QVERIFY(program.optionsWindow()->isVisible());

        centre->findChild<QAction*>(QStringLiteral("BNeu"))->trigger();
        QCOMPARE(centre->aktiverSchein()->typen(1)->checkedId(), 2); // type 4
        ui::setMessageHook({});
    }
};

QTEST_MAIN(StartupSlipsTest)
#include "test_startup_slips.moc"
