// The window in each language: its texts and Qt's follow, fit, and keep their mnemonics unique.
#include "configdialog.h"
#include "language.h"
#include "mainwindow_probe.h"
#include "sweep.h"
#include "test_support.h"

#include <QComboBox>
#include <QListWidget>
#include <QMenuBar>

// No two of the labels, buttons or actions share a mnemonic.
template <typename T>
static void verifyUniqueMnemonics(const QList<T *> &objects)
{
    QStringList keys;
    for (const QObject *object : objects)
        keys << QKeySequence::mnemonic(object->property("text").toString()).toString();
    keys.removeAll(QString());
    QVERIFY2(keys.removeDuplicates() == 0, qPrintable(keys.join(QLatin1Char(' '))));
}

// Every shown label, button and combo box of top is as large as its text needs.
static void verifyTextsFit(QWidget *top)
{
    QCoreApplication::processEvents(); // the layouts' pending requests
    QList<QWidget *> shown;
    for (QWidget *w : top->findChildren<QWidget *>()) {
        auto *label = qobject_cast<QLabel *>(w);
        auto *button = qobject_cast<QAbstractButton *>(w);
        const QString text = label ? label->text() : button ? button->text() : w->accessibleName();
        if (w->isVisible() && (label || button || qobject_cast<QComboBox *>(w)) && !text.isEmpty()) {
            QVERIFY2(label && label->wordWrap() ? w->heightForWidth(w->width()) <= w->height()
                                                : w->sizeHint().width() <= w->width(), qPrintable(text));
            shown << w;
        }
    }
    verifyUniqueMnemonics(shown);
}

class LanguageTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void textsFollowTheLanguageAndFit_data() // the tag: the languages, most wanted first
    {
        QTest::addColumn<QStringList>("texts"); // a window's, a dialog's, a rule's, Qt's
        QTest::newRow("de-DE") << QStringList{"Beispiel", "Ameisen", "Vormis", "Abbrechen"};
        QTest::newRow("fr") << QStringList{"Exemple", "Fourmis", "Vormis", "Annuler"};
        QTest::newRow("pt-BR,es") << QStringList{"Ejemplo", "Hormigas", "Vormis", "Cancelar"};
        QTest::newRow("en-GB,fr") << QStringList{"Example", "Ants", "the window's rule", "Cancel"};
        QTest::newRow("C,de") << QStringList{"Example", "Ants", "the window's rule", "Cancel"};
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
        window.resize(1, 1); // as small as its layout lets it be
        QVERIFY(window.width() <= 1280); // with the chart, on a classroom's projector
        verifyTextsFit(&window);
        verifyUniqueMnemonics(window.menuBar()->actions());
        for (const QAction *menu : window.menuBar()->actions())
            if (texts[0] != QLatin1String("Example")) // English keeps "&Advance" and "Start &Animation"
                verifyUniqueMnemonics(menu->menu()->actions());

        QTest::mouseClick(probe.configureButton(), Qt::LeftButton);
        ConfigDialog *dialog = probe.configDialog();
        dialog->resize(1, 1);
        verifyTextsFit(dialog); // the Ants page
        auto *pages = dialog->findChild<QListWidget *>(QStringLiteral("pageList"));
        QCOMPARE(pages->item(0)->text(), texts[1]);
        pages->setCurrentRow(1);
        auto *rules = dialog->findChild<QComboBox *>(QStringLiteral("ruleBox"));
        for (int rule = 0; rule < rules->count(); ++rule) {
            rules->setCurrentIndex(rule); // the lines under each rule
            verifyTextsFit(dialog);
        }
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
