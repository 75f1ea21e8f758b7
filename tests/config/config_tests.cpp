#include "animconfig.h"
#include "antconfig.h"
#include "configdialog.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QtTest>

namespace {

// The offscreen platform says this whenever a window with a minimum size is
// shown; it is about the platform, not about the dialog.
const QString offscreenSizeHintsNote = QStringLiteral("This plugin does not support propagateSizeHints()");
QtMessageHandler testLibHandler = nullptr;

void dropOffscreenNote(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != offscreenSizeHintsNote)
        testLibHandler(type, context, message);
}

QList<QLineEdit *> coordinateEdits(const AntConfig &page)
{
    return {page.foodXEdit, page.foodYEdit, page.homeXEdit, page.homeYEdit};
}

// The nine values as the page shows them, for comparing whole pages.
QStringList pageTexts(const AntConfig &page)
{
    return {page.worldSizeSpinBox->text(), page.antCountSpinBox->text(), page.foodXEdit->text(),
            page.foodYEdit->text(),        page.homeXEdit->text(),       page.homeYEdit->text(),
            page.alphaSpinBox->text(),     page.betaSpinBox->text(),     page.roSpinBox->text()};
}

template <typename T>
T *part(const ConfigDialog &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("the dialog has no %s", name);
    return found;
}

// Shows the dialog and makes it the active window, which keyboard shortcuts
// need on every platform, the offscreen one included.
bool showActive(ConfigDialog &dialog)
{
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

} // namespace

class ConfigTests : public QObject
{
    Q_OBJECT

    QTimer modalGuard;

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        testLibHandler = qInstallMessageHandler(dropOffscreenNote);
    }
    void cleanupTestCase() { qInstallMessageHandler(testLibHandler); }
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        // A key that opened a message box by mistake would wait for the user
        // for ever; close it and fail instead.
        modalGuard.callOnTimeout([] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                box->done(0);
                QTest::qFail("an unexpected message box opened", __FILE__, __LINE__);
            }
        });
        modalGuard.start(2000);
    }
    void cleanup() { modalGuard.disconnect(); modalGuard.stop(); }

    void freshPageValuesAndRanges()
    {
        AntConfig page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(pageTexts(page), QStringList({"5", "3", "2", "2", "0", "0", "0", "0", "0.00"}));

        const QList<std::tuple<QSpinBox *, int, int>> ranges = {{page.worldSizeSpinBox, 3, 30},
                                                                {page.antCountSpinBox, 1, 30},
                                                                {page.alphaSpinBox, 0, 10},
                                                                {page.betaSpinBox, 0, 10}};
        for (const auto &[box, low, high] : ranges) {
            for (int i = 0; i < 40; ++i)
                QTest::keyClick(box, Qt::Key_Up);
            QCOMPARE(box->value(), high);
            for (int i = 0; i < 40; ++i)
                QTest::keyClick(box, Qt::Key_Down);
            QCOMPARE(box->value(), low);
        }
    }

    void roStepsByFiveHundredths()
    {
        AntConfig page;
        QStringList shown;
        for (int i = 0; i < 25; ++i) {
            page.roSpinBox->stepUp();
            shown << page.roSpinBox->text();
        }
        QCOMPARE(shown.mid(0, 3), QStringList({"0.05", "0.10", "0.15"}));
        QCOMPARE(shown.at(18), QStringLiteral("0.95"));
        QCOMPARE(shown.last(), QStringLiteral("0.99"));
        QCOMPARE(page.roSpinBox->value(), 0.99);
    }

    void coordinatesTakeOneOrTwoDigits_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("third digit refused") << "123" << "12";
        QTest::newRow("letter refused") << "4a" << "4";
        QTest::newRow("minus refused") << "-5" << "5";
        QTest::newRow("blank refused") << " 6" << "6";
        QTest::newRow("99") << "99" << "99";
        QTest::newRow("leading zero") << "07" << "07";
        // The simulation moves a cell outside the world back inside.
        QTest::newRow("outside a 3-cell world") << "25" << "25";
    }
    void coordinatesTakeOneOrTwoDigits()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        AntConfig page;
        page.worldSizeSpinBox->setValue(3);
        for (QLineEdit *edit : coordinateEdits(page)) {
            edit->clear();
            QTest::keyClicks(edit, typed);
            QCOMPARE(edit->text(), expected);
            QVERIFY(edit->hasAcceptableInput());
        }
    }

    void mnemonicsFocusTheirRows_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("row");
        const int keys[] = {Qt::Key_W, Qt::Key_A, Qt::Key_X, Qt::Key_C, Qt::Key_L, Qt::Key_O};
        for (int row = 0; row < 6; ++row)
            QTest::addRow("Alt+%c", char(keys[row])) << keys[row] << row;
    }
    void mnemonicsFocusTheirRows()
    {
        QFETCH(int, key);
        QFETCH(int, row);
        ConfigDialog dialog;
        const AntConfig &page = *dialog.parametersPage;
        const QList<QWidget *> rows = {page.worldSizeSpinBox, page.antCountSpinBox, page.foodXEdit,
                                       page.foodYEdit,        page.homeXEdit,       page.homeYEdit};
        QVERIFY(showActive(dialog));
        // Start from a widget that no mnemonic leads to.
        page.roSpinBox->setFocus();
        QTest::keyClick(&dialog, Qt::Key(key), Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), rows[row]);
    }

    void returnAcceptsEscapeAndCancelReject()
    {
        ConfigDialog dialog;
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QSignalSpy rejected(&dialog, &QDialog::rejected);

        QVERIFY(showActive(dialog));
        dialog.parametersPage->homeYEdit->setFocus();
        QTest::keyClick(dialog.parametersPage->homeYEdit, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(accepted.count(), 1);

        // Opened a second time, the same dialog accepts once more, once.
        QVERIFY(showActive(dialog));
        dialog.parametersPage->worldSizeSpinBox->setFocus();
        QTest::keyClick(dialog.parametersPage->worldSizeSpinBox, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(accepted.count(), 2);

        QVERIFY(showActive(dialog));
        QTest::keyClick(dialog.parametersPage->foodXEdit, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(showActive(dialog));
        QTest::mouseClick(part<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(rejected.count(), 2);
        QCOMPARE(accepted.count(), 2);
    }

    void emptyCoordinateIsLeftToTheWindow()
    {
        // The dialog checks nothing itself: an empty field is accepted as it
        // is, and the window reads it as 0.
        ConfigDialog dialog;
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QVERIFY(showActive(dialog));
        dialog.parametersPage->homeXEdit->clear();
        QTest::keyClick(dialog.parametersPage->homeXEdit, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(dialog.parametersPage->homeXEdit->text(), QString());
    }

    void pageListAndStack()
    {
        ConfigDialog dialog;
        auto *list = part<QListWidget>(dialog, "pageList");
        auto *stack = part<QStackedWidget>(dialog, "pageStack");
        QVERIFY(showActive(dialog));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("Ants"));
        QVERIFY(list->currentItem()->isSelected());
        QVERIFY(!list->currentItem()->icon().isNull());
        QCOMPARE(stack->currentWidget(), dialog.parametersPage);
        QVERIFY(!dialog.windowIcon().isNull());

        for (const QSize size : {QSize(1200, 900), QSize(100, 100)}) {
            dialog.resize(size);
            QCoreApplication::processEvents();
            QCOMPARE(list->width(), 80);
            QVERIFY2(stack->width() >= 450, qPrintable(QString::number(stack->width())));
        }
        QVERIFY(stack->width() < 600);

        // With a second page, the list drives the stack.
        AnimConfig *second = new AnimConfig;
        stack->addWidget(second);
        new QListWidgetItem(QStringLiteral("Animation"), list);
        list->setCurrentRow(1);
        QCOMPARE(stack->currentWidget(), second);
        dialog.changePage(nullptr, list->item(0));
        QCOMPARE(stack->currentWidget(), dialog.parametersPage);
        dialog.changePage(nullptr, nullptr);
        QCOMPARE(stack->currentWidget(), dialog.parametersPage);
    }

    void defaultsFillTheStartingValues()
    {
        ConfigDialog dialog;
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QVERIFY(showActive(dialog));
        part<QPushButton>(dialog, "defaultsButton")->click();
        QCOMPARE(pageTexts(*dialog.parametersPage),
                 QStringList({"10", "5", "9", "9", "0", "0", "2", "1", "0.10"}));
        QVERIFY(dialog.isVisible());
        QCOMPARE(accepted.count(), 0);
    }

    void helpExplainsEveryParameter()
    {
        ConfigDialog dialog;
        QVERIFY(showActive(dialog));
        const QStringList before = pageTexts(*dialog.parametersPage);

        QString title, text;
        QWidget *boxParent = nullptr;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            auto *box = dialog.findChild<QMessageBox *>(QStringLiteral("helpBox"));
            if (!box || !box->isVisible())
                return;
            title = box->windowTitle();
            text = box->text();
            boxParent = box->parentWidget();
            box->button(QMessageBox::Ok)->click();
        });
        closer.start(10);
        part<QPushButton>(dialog, "helpButton")->click();
        closer.stop();

        QCOMPARE(title, QStringLiteral("Simulation parameters"));
        QCOMPARE(boxParent, &dialog);
        for (const char *name : {"World size", "ants", "Food location", "Home location", "alpha",
                                 "beta", "evaporation rate (ro)"})
            QVERIFY2(text.contains(QLatin1String(name)), name);
        QCOMPARE(pageTexts(*dialog.parametersPage), before);
        QVERIFY(dialog.isVisible());
    }

    void animationPageIsAPlaceholder()
    {
        AnimConfig page;
        const QList<QWidget *> children = page.findChildren<QWidget *>();
        QCOMPARE(children.size(), 1);
        auto *label = qobject_cast<QLabel *>(children.first());
        QVERIFY(label);
        QCOMPARE(label->text(), QStringLiteral("Not Implemented"));
    }
};

QTEST_MAIN(ConfigTests)
#include "config_tests.moc"
