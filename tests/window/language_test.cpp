// The window's, the dialog's and Qt's texts follow the language, English
// brings the old ones back, no text is cut off and no mnemonic is doubled.
#include "antconfig.h"
#include "configdialog.h"
#include "language.h"
#include "mainwindow_probe.h"
#include "sweep.h"
#include "test_support.h"

#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMenuBar>

static void verifyUniqueMnemonics(const QStringList &texts)
{
    QStringList keys;
    for (const QString &text : texts)
        keys << QKeySequence::mnemonic(text).toString();
    keys.removeAll(QString());
    QVERIFY2(keys.removeDuplicates() == 0, qPrintable(texts.join(QLatin1Char('|'))));
}

// Every shown label, button and combo box of top is as large as its text needs.
static void verifyTextsFit(QWidget *top)
{
    QCoreApplication::processEvents(); // the layouts' pending requests
    QStringList texts;
    for (QWidget *w : top->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(w);
        auto *button = qobject_cast<QAbstractButton *>(w);
        const QString text = label ? label->text() : button ? button->text() : w->accessibleName();
        if (w->isVisible() && (label || button || qobject_cast<QComboBox *>(w)) && !text.isEmpty()) {
            QVERIFY2(label && label->wordWrap() ? w->heightForWidth(w->width()) <= w->height()
                                                : w->sizeHint().width() <= w->width(), qPrintable(text));
            texts << text;
        }
    }
    verifyUniqueMnemonics(texts);
}

class LanguageTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    // The tag lists the languages, most wanted first.  The window and the
    // dialog are as small as their layouts let them be, with the chart shown.
    void textsFollowTheLanguageAndFit_data()
    {
        QTest::addColumn<QStringList>("texts"); // a window's, a dialog page's, a rule's, Qt's
        const QStringList en{"Example", "Simulation parameters", "the window's rule", "Cancel"};
        QTest::newRow("de-DE") << QStringList{"Beispiel", "Simulationsparameter", "Vormis", "Abbrechen"};
        QTest::newRow("fr") << QStringList{"Exemple", "Paramètres de la simulation", "Vormis", "Annuler"};
        QTest::newRow("pt-BR,es") << QStringList{"Ejemplo", "Parámetros de la simulación", "Vormis", "Cancelar"};
        QTest::newRow("en-GB,fr") << en;
        QTest::newRow("C") << en;
    }

    void textsFollowTheLanguageAndFit()
    {
        QFETCH(QStringList, texts);
        installTranslations(QString::fromLatin1(QTest::currentDataTag()).split(QLatin1Char(',')));
        QCOMPARE(translatedRuleTitle(Rule::Vormis), texts[2]);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), texts[3]);
        MainWindow window;
        MainWindowProbe probe(window);
        QCOMPARE(probe.exampleButton()->text(), texts[0]);
        window.show();
        probe.convergence()->toggleViewAction()->trigger();
        window.resize(1, 1);
        QVERIFY(window.width() <= 1280); // with the chart, on a classroom's projector
        verifyTextsFit(&window);
        QStringList menus;
        for (const QAction *menu : window.menuBar()->actions()) {
            QStringList items;
            for (const QAction *item : menu->menu()->actions())
                items << item->text();
            if (texts[0] != QLatin1String("Example")) // English keeps "&Advance" and "Start &Animation"
                verifyUniqueMnemonics(items);
            menus << menu->text();
        }
        verifyUniqueMnemonics(menus);

        QTest::mouseClick(probe.configureButton(), Qt::LeftButton);
        ConfigDialog *dialog = probe.configDialog();
        QCOMPARE(dialog->parametersPage->findChild<QGroupBox *>()->title(), texts[1]);
        dialog->resize(1, 1);
        auto *pages = dialog->findChild<QListWidget *>(QStringLiteral("pageList"));
        auto *rules = dialog->findChild<QComboBox *>(QStringLiteral("ruleBox"));
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentRow(page);
            for (int rule = 0; rule < rules->count(); ++rule) {
                rules->setCurrentIndex(rule); // its lines under the rule
                verifyTextsFit(dialog);
            }
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
