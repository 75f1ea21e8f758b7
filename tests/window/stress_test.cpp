// A long seeded random session on a shown window, driven with real mouse and
// key events: advance, example, start and stop the animation (also while it
// runs), configure with random typing, toggle the check boxes, move the
// slider, open the About box.  After every action the Status box, the scene
// and the cleanup handler must agree with the colony.
//
// VORMIS_STRESS_SEED picks the session (the seed is printed, so a failure can
// be replayed) and VORMIS_STRESS_ACTIONS its length.
//
// The colony draws its random numbers from the seed and each draw is written
// down.  A second colony, rebuilt from the window's after every reset, replays
// those draws one generation at a time: this is how the test sees every
// generation of a multi-generation "Advance " and knows the shortest arrival
// since the reset, which the Steps label must show.
#include "ant.h"
#include "antconfig.h"
#include "configdialog.h"
#include "mainwindow_probe.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QGraphicsItemAnimation>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTimeLine>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <random>

namespace {

// About 12 s in a release build and 16 s with the sanitizers.
constexpr int kDefaultActions = 2000;
constexpr quint32 kDefaultSeed = 1737;
constexpr std::size_t kHistory = 30;

quint64 environmentNumber(const char *name, quint64 fallback)
{
    bool ok = false;
    const quint64 value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

// The draws the window's colony made, which the replaying colony takes in
// turn; past the last one it gets zeros, counted in replay.overdrawn.
struct DrawLog
{
    std::mt19937 source;
    ScriptedDraws replay{ScriptedDraws::WhenDry::GiveZeros};
};

// What the dialog's page held when it was closed.
struct PageValues
{
    int size = 0;
    int ants = 0;
    QString foodX, foodY, homeX, homeY;
    int alpha = 0;
    int beta = 0;
    double ro = 0;
};

struct ColonySnapshot
{
    int size, ants, foodX, foodY, homeX, homeY, alpha, beta;
    double ro;
    double **pheromone;
};

ColonySnapshot snapshot(Colony &colony)
{
    return {colony.size(),  colony.antCount(), colony.foodX(), colony.foodY(), colony.homeX(),
            colony.homeY(), colony.alpha(),    colony.beta(),  colony.ro(),    colony.pheromoneTable()};
}

} // namespace

class Session
{
public:
    Session(MainWindow &window, quint32 seed)
        : m_window(window), m_probe(window), m_random(seed), m_draws(std::make_shared<DrawLog>())
    {
        m_draws->source.seed(seed ^ 0x5eed5eedu);
        const std::shared_ptr<DrawLog> draws = m_draws;
        m_probe.colony().setRandomSource([draws]() {
            const int value = static_cast<int>(draws->source() % 32768u);
            draws->replay.draws->push_back(value);
            return value;
        });
    }

    const std::deque<QString> &history() const { return m_history; }
    int generationsRun() const { return m_generationsRun; }

    // The colony as the window built it draws from the time of day; a reset
    // with the draws from the seed makes the whole session repeatable.
    void begin()
    {
        note(QStringLiteral("reset the colony"));
        m_probe.resetColony();
        m_generation = 1;
        afterReset();
        if (failed())
            return;
        checkStepped();
        if (failed())
            return;
        checkAll();
    }

    void randomAction()
    {
        static const int weights[] = {14, 6, 5, 12, 8, 10, 10, 8, 6, 1};
        std::discrete_distribution<int> pick(std::begin(weights), std::end(weights));
        switch (pick(m_random)) {
        case 0: advance(false); break;
        case 1: advance(true); break;
        case 2: example(); break;
        case 3: startAnimation(); break;
        case 4: stopAnimation(); break;
        case 5: wait(); break;
        case 6: configure(); break;
        case 7: toggleCheckBox(); break;
        case 8: moveSlider(); break;
        default: about(); break;
        }
        if (!failed())
            checkAll();
    }

private:
    static bool failed() { return QTest::currentTestFailed(); }

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    void note(const QString &action)
    {
        m_history.push_back(QStringLiteral("%1: %2").arg(++m_actions).arg(action));
        if (m_history.size() > kHistory)
            m_history.pop_front();
    }

    // ---- actions ----------------------------------------------------------

    void advance(bool typed)
    {
        QSpinBox *spin = m_probe.advanceSpinBox();
        QString how;
        if (typed) {
            const QString text = randomSpinText();
            how = QStringLiteral("typed '%1'").arg(QString(text).replace(QLatin1Char('\b'), QStringLiteral("<bs>")));
            typeIntoSpinBox(spin, text);
        } else {
            spin->setValue(uniform(1, 30));
            how = QStringLiteral("set");
        }
        const int count = spin->value();
        note(QStringLiteral("Advance x%1 (%2)").arg(count).arg(how));
        QVERIFY2(count >= 1 && count <= 30, qPrintable(QString::number(count)));
        QTest::mouseClick(m_probe.advanceButton(), Qt::LeftButton);
        m_generation += count;
        m_expectedAnimated = 0;
        replay(count);
        if (!failed())
            checkStepped();
    }

    void example()
    {
        note(QStringLiteral("Example"));
        QTest::mouseClick(m_probe.exampleButton(), Qt::LeftButton);
        m_generation = 1;
        m_expectedAnimated = 0;
        afterReset();
        if (failed())
            return;
        QCOMPARE(m_probe.advanceSpinBox()->value(), 1);
        checkStepped();
    }

    void startAnimation()
    {
        note(QStringLiteral("Start Animation (speed %1)").arg(m_probe.speedSlider()->value()));
        QTest::mouseClick(m_probe.startButton(), Qt::LeftButton);
        Colony &colony = m_probe.colony();
        m_expectedAnimated = std::min(colony.antCount(), static_cast<int>(colony.m_ants.size()));
        QCOMPARE(m_probe.animationTime(), 4000 / (m_probe.speedSlider()->value() + 1));
        const auto animations = m_probe.cleanupHandler()->objects<QGraphicsItemAnimation>();
        QCOMPARE(animations.size(), m_expectedAnimated);
        for (int i = 0; i < animations.size(); ++i) {
            const auto *ant = dynamic_cast<const Ant *>(animations[i]->item());
            QVERIFY(ant);
            const bool atFood = colony.m_ants[static_cast<std::size_t>(i)].atFood;
            QCOMPARE(ant->color(), atFood ? QColor(0, 255, 0) : QColor(0, 0, 255));
            QVERIFY(animations[i]->timeLine());
            QCOMPARE(animations[i]->timeLine()->state(), QTimeLine::Running);
        }
        if (chance(0.5))
            wait();
    }

    void stopAnimation()
    {
        note(QStringLiteral("Stop Animation"));
        QTest::mouseClick(m_probe.stopButton(), Qt::LeftButton);
        m_expectedAnimated = 0;
    }

    // Lets the event loop run: ants walk, the view paints.
    void wait()
    {
        const int ms = uniform(1, 40);
        note(QStringLiteral("wait %1 ms").arg(ms));
        QTest::qWait(ms);
    }

    void toggleCheckBox()
    {
        QCheckBox *const boxes[] = {m_probe.generationPathCheckBox(), m_probe.bestPathCheckBox(),
                                    m_probe.pheromoneCheckBox(), m_probe.gridCheckBox()};
        QCheckBox *box = boxes[uniform(0, 3)];
        const bool before = box->isChecked();
        if (chance(0.5)) {
            note(QStringLiteral("click '%1'").arg(box->text()));
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
        } else {
            note(QStringLiteral("Space on '%1'").arg(box->text()));
            QTest::keyClick(box, Qt::Key_Space);
        }
        QCOMPARE(box->isChecked(), !before);
    }

    void moveSlider()
    {
        QSlider *slider = m_probe.speedSlider();
        if (chance(0.5)) {
            const int value = uniform(0, 4);
            note(QStringLiteral("slider to %1").arg(value));
            slider->setValue(value);
        } else {
            static const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End,
                                           Qt::Key_PageUp, Qt::Key_PageDown};
            const Qt::Key key = keys[uniform(0, 5)];
            note(QStringLiteral("key %1 on the slider").arg(QKeySequence(key).toString()));
            QTest::keyClick(slider, key);
        }
    }

    void about()
    {
        const int ms = uniform(0, 120);
        note(QStringLiteral("About box for %1 ms").arg(ms));
        bool closed = false;
        QString title;
        // Closes the box once it is up; it must be up within a second.
        QElapsedTimer clock;
        clock.start();
        std::function<void()> closer;
        closer = [&]() {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box && clock.elapsed() < 1000) {
                QTimer::singleShot(10, closer);
                return;
            }
            if (box) {
                title = box->windowTitle();
                const auto buttons = box->buttons();
                if (!buttons.isEmpty())
                    QTest::mouseClick(buttons.first(), Qt::LeftButton);
                if (box->isVisible())
                    box->reject();
                closed = true;
            }
        };
        QTimer::singleShot(ms, closer);
        m_probe.helpMenu()->actions().first()->trigger();
        QVERIFY(closed);
        QCOMPARE(title, QStringLiteral("About Vormis"));
    }

    void configure()
    {
        Colony &colony = m_probe.colony();
        const ColonySnapshot before = snapshot(colony);
        const bool byShortcut = chance(0.4);
        if (byShortcut) {
            // The offscreen platform has no window manager to give the
            // activation back when a dialog closes: the shortcut would go to
            // the hidden dialog.  Hand it back as a window manager would.
            if (QApplication::activeWindow() != &m_window) {
                m_window.activateWindow();
                QTRY_VERIFY(QApplication::activeWindow() == &m_window);
            }
            note(QStringLiteral("Configure by Ctrl+P"));
            QTest::keyClick(&m_window, Qt::Key_P, Qt::ControlModifier);
        } else {
            note(QStringLiteral("Configure by its button"));
            QTest::mouseClick(m_probe.configureButton(), Qt::LeftButton);
        }
        ConfigDialog *dialog = m_probe.configDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->isModal());
        // A user waits for the dialog to come up before typing; before that
        // the clicks would move no focus and the last focused button would
        // still be the one Return presses.
        QTRY_VERIFY(QApplication::activeWindow() == dialog);

        // The page shows the colony as it is.
        AntConfig *page = dialog->parametersPage;
        QCOMPARE(page->worldSizeSpinBox->value(), colony.size());
        QCOMPARE(page->antCountSpinBox->value(), colony.antCount());
        QCOMPARE(page->foodXEdit->text(), QString::number(colony.foodX()));
        QCOMPARE(page->foodYEdit->text(), QString::number(colony.foodY()));
        QCOMPARE(page->homeXEdit->text(), QString::number(colony.homeX()));
        QCOMPARE(page->homeYEdit->text(), QString::number(colony.homeY()));
        QCOMPARE(page->alphaSpinBox->value(), colony.alpha());
        QCOMPARE(page->betaSpinBox->value(), colony.beta());
        QCOMPARE(page->roSpinBox->value(), colony.ro());

        const int edits = uniform(0, 6);
        for (int e = 0; e < edits && !failed(); ++e)
            editPage(dialog);
        if (failed())
            return;

        enum Close { Ok, Cancel, Escape, Return } how;
        const int roll = uniform(0, 99);
        how = roll < 35 ? Ok : roll < 60 ? Return : roll < 80 ? Cancel : Escape;

        // Return and Escape go to a field, as they would after typing.
        QWidget *field = nullptr;
        if (how == Return || how == Escape) {
            field = randomField(page);
            focusField(field);
        }
        const PageValues values = read(page);
        const QStringList closeNames = {QStringLiteral("Ok"), QStringLiteral("Cancel"), QStringLiteral("Escape"),
                                        QStringLiteral("Return")};
        if (field)
            note(QStringLiteral("  focus '%1'").arg(field->accessibleName()));
        note(QStringLiteral("  close by %1 with size %2, ants %3, food (%4, %5), home (%6, %7), alpha %8, "
                            "beta %9, ro %10")
                 .arg(closeNames[how])
                 .arg(values.size)
                 .arg(values.ants)
                 .arg(values.foodX, values.foodY, values.homeX, values.homeY)
                 .arg(values.alpha)
                 .arg(values.beta)
                 .arg(values.ro));
        switch (how) {
        case Ok:
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
            break;
        case Cancel:
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cancelButton")), Qt::LeftButton);
            break;
        case Escape:
            QTest::keyClick(field, Qt::Key_Escape);
            break;
        case Return:
            QTest::keyClick(field, Qt::Key_Return);
            break;
        }
        QVERIFY(!dialog->isVisible());

        const bool accepted = how == Ok || how == Return;
        QCOMPARE(dialog->result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
        if (accepted) {
            QCOMPARE(colony.size(), values.size);
            QCOMPARE(colony.antCount(), values.ants);
            // Empty counts as 0; food outside the world goes to the last cell,
            // home outside it to 0.
            const auto inside = [&](const QString &text, int outside) {
                const int v = text.isEmpty() ? 0 : text.toInt();
                return v < values.size ? v : outside;
            };
            QCOMPARE(colony.foodX(), inside(values.foodX, values.size - 1));
            QCOMPARE(colony.foodY(), inside(values.foodY, values.size - 1));
            QCOMPARE(colony.homeX(), inside(values.homeX, 0));
            QCOMPARE(colony.homeY(), inside(values.homeY, 0));
            QCOMPARE(colony.alpha(), values.alpha);
            QCOMPARE(colony.beta(), values.beta);
            QCOMPARE(colony.ro(), values.ro);
            for (int x = 0; x < colony.size(); ++x)
                for (int y = 0; y < colony.size(); ++y)
                    QVERIFY(!colony.isObstacle(x, y));
            QVERIFY(m_probe.view()->picture().obstaclePath.isEmpty());
            QCOMPARE(m_probe.advanceSpinBox()->value(), 1);
            m_generation = 1;
            m_expectedAnimated = 0;
            afterReset();
            if (!failed())
                checkStepped();
        } else {
            const ColonySnapshot after = snapshot(colony);
            QCOMPARE(after.size, before.size);
            QCOMPARE(after.ants, before.ants);
            QCOMPARE(after.foodX, before.foodX);
            QCOMPARE(after.foodY, before.foodY);
            QCOMPARE(after.homeX, before.homeX);
            QCOMPARE(after.homeY, before.homeY);
            QCOMPARE(after.alpha, before.alpha);
            QCOMPARE(after.beta, before.beta);
            QCOMPARE(after.ro, before.ro);
            QCOMPARE(after.pheromone, before.pheromone);
            QVERIFY(m_draws->replay.draws->empty());
        }
    }

    // ---- the dialog's fields ----------------------------------------------

    static QList<QWidget *> fields(AntConfig *page)
    {
        return {page->worldSizeSpinBox, page->antCountSpinBox, page->foodXEdit, page->foodYEdit, page->homeXEdit,
                page->homeYEdit,        page->alphaSpinBox,    page->betaSpinBox, page->roSpinBox};
    }

    QWidget *randomField(AntConfig *page)
    {
        const auto all = fields(page);
        return all[uniform(0, static_cast<int>(all.size()) - 1)];
    }

    // A click into the text, as a user does before typing.  A spin box takes
    // the click in its editor: outside the arrows the box itself passes it on.
    static void focusField(QWidget *field)
    {
        QWidget *target = field;
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(field))
            target = spin->findChild<QLineEdit *>();
        QTest::mouseClick(target, Qt::LeftButton);
    }

    static PageValues read(AntConfig *page)
    {
        PageValues v;
        v.size = page->worldSizeSpinBox->value();
        v.ants = page->antCountSpinBox->value();
        v.foodX = page->foodXEdit->text();
        v.foodY = page->foodYEdit->text();
        v.homeX = page->homeXEdit->text();
        v.homeY = page->homeYEdit->text();
        v.alpha = page->alphaSpinBox->value();
        v.beta = page->betaSpinBox->value();
        v.ro = page->roSpinBox->value();
        return v;
    }

    void editPage(ConfigDialog *dialog)
    {
        AntConfig *page = dialog->parametersPage;
        const int roll = uniform(0, 99);
        if (roll < 5) {
            note(QStringLiteral("  Defaults"));
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("defaultsButton")), Qt::LeftButton);
            for (QLineEdit *edit : {page->foodXEdit, page->foodYEdit, page->homeXEdit, page->homeYEdit})
                QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]{1,2}$")).match(edit->text()).hasMatch(),
                         qPrintable(edit->text()));
            return;
        }
        QWidget *field = randomField(page);
        if (auto *edit = qobject_cast<QLineEdit *>(field)) {
            typeIntoCoordinate(edit);
        } else if (auto *spin = qobject_cast<QSpinBox *>(field)) {
            if (chance(0.5)) {
                const int value = uniform(spin->minimum() - 2, spin->maximum() + 2);
                note(QStringLiteral("  set '%1' to %2").arg(spin->accessibleName()).arg(value));
                spin->setValue(value);
            } else {
                const QString text = randomSpinText();
                note(QStringLiteral("  type '%1' into '%2'")
                         .arg(QString(text).replace(QLatin1Char('\b'), QStringLiteral("<bs>")), spin->accessibleName()));
                typeIntoSpinBox(spin, text);
            }
        } else if (auto *ro = qobject_cast<QDoubleSpinBox *>(field)) {
            const double value = uniform(0, 99) / 100.0;
            note(QStringLiteral("  set ro to %1").arg(value));
            ro->setValue(value);
        }
    }

    // Keys into a coordinate field, the cursor at the end.  The field takes a
    // digit while it holds fewer than two and refuses letters and signs.
    void typeIntoCoordinate(QLineEdit *edit)
    {
        focusField(edit);
        QString expected = edit->text();
        QString typed;
        if (chance(0.3)) {
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(edit, Qt::Key_Backspace);
            expected.clear();
            typed += QStringLiteral("<clear>");
        }
        QTest::keyClick(edit, Qt::Key_End);
        const int keys = uniform(1, 4);
        for (int k = 0; k < keys; ++k) {
            const int kind = uniform(0, 99);
            if (kind < 50) {
                const char digit = static_cast<char>('0' + uniform(0, 9));
                QTest::keyClick(edit, digit);
                if (expected.size() < 2)
                    expected += QLatin1Char(digit);
                typed += QLatin1Char(digit);
            } else if (kind < 65) {
                const char letter = static_cast<char>('a' + uniform(0, 25));
                QTest::keyClick(edit, letter);
                typed += QLatin1Char(letter);
            } else if (kind < 75) {
                QTest::keyClick(edit, '-');
                typed += QLatin1Char('-');
            } else {
                QTest::keyClick(edit, Qt::Key_Backspace);
                expected.chop(1);
                typed += QStringLiteral("<bs>");
            }
        }
        note(QStringLiteral("  type %1 into '%2' -> '%3'").arg(typed, edit->accessibleName(), edit->text()));
        QCOMPARE(edit->text(), expected);
    }

    // What a user might type into a number field: digits, often too many,
    // now and then a sign, a letter or a correction.
    QString randomSpinText()
    {
        static const QString keys = QStringLiteral("0123456789012345678901234567890-x");
        QString text;
        const int length = uniform(1, 3);
        for (int i = 0; i < length; ++i)
            text += keys.at(uniform(0, static_cast<int>(keys.size()) - 1));
        if (chance(0.15))
            text += QLatin1Char('\b');
        return text;
    }

    static void typeIntoSpinBox(QAbstractSpinBox *spin, const QString &text)
    {
        focusField(spin);
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : text) {
            if (c == QLatin1Char('\b'))
                QTest::keyClick(spin, Qt::Key_Backspace);
            else
                QTest::keyClick(spin, c.toLatin1());
        }
    }

    // ---- what the colony did ----------------------------------------------

    // Rebuilds the replaying colony from the window's, which has just been
    // reset and has run its first generation.
    void afterReset()
    {
        Colony &real = m_probe.colony();
        m_shadow = std::make_unique<Colony>(real.size(), real.antCount());
        m_shadow->setFood(real.foodX(), real.foodY());
        m_shadow->setHome(real.homeX(), real.homeY());
        m_shadow->setAlpha(real.alpha());
        m_shadow->setBeta(real.beta());
        m_shadow->setRo(real.ro());
        m_shadow->reset();
        for (int x = 0; x < real.size(); ++x)
            for (int y = 0; y < real.size(); ++y)
                if (real.isObstacle(x, y))
                    m_shadow->addObstacle(x, y);
        m_shadow->setRandomSource(m_draws->replay.source());
        m_expectedBest = kNoPathYet;
        m_lastBest = kNoPathYet;
        replay(1);
    }

    // Runs the replaying colony through the generations the window just ran,
    // one at a time, and keeps the shortest arrival.
    void replay(int generations)
    {
        for (int g = 0; g < generations; ++g) {
            m_shadow->runGeneration();
            ++m_generationsRun;
            for (const AntState &ant : m_shadow->m_ants)
                if (ant.atFood)
                    m_expectedBest = std::min(m_expectedBest, ant.pathLength);
        }
        QVERIFY2(*m_draws->replay.overdrawn == 0, "the window ran fewer generations than asked");
        QVERIFY2(m_draws->replay.draws->empty(), "the window ran more generations than asked");

        const Colony &real = m_probe.colony();
        QCOMPARE(real.m_ants.size(), m_shadow->m_ants.size());
        for (std::size_t i = 0; i < real.m_ants.size(); ++i) {
            const AntState &a = real.m_ants[i];
            const AntState &b = m_shadow->m_ants[i];
            QCOMPARE(a.atFood, b.atFood);
            QCOMPARE(a.pathLength, b.pathLength);
            for (int k = 0; k < a.pathLength; ++k) {
                QCOMPARE(a.path[0][k], b.path[0][k]);
                QCOMPARE(a.path[1][k], b.path[1][k]);
            }
        }
    }

    // ---- checks -------------------------------------------------------------

    // After every action.
    void checkAll()
    {
        Colony &colony = m_probe.colony();
        QCOMPARE(m_probe.generationText(), QString::number(m_generation));
        QCOMPARE(m_probe.antsText(), QString::number(colony.antCount()));
        QCOMPARE(m_probe.worldSizeText(), QStringLiteral("%1x%1").arg(colony.size()));
        QCOMPARE(m_probe.stepsText(), QString::number(m_probe.bestLength()));
        QCOMPARE(m_probe.bestLength(), m_expectedBest);
        QVERIFY2(m_probe.bestLength() <= m_lastBest, "the best length rose without a reset");
        m_lastBest = m_probe.bestLength();
        // The Steps number counts the cells of the best path.
        if (m_probe.bestLength() < kNoPathYet)
            QCOMPARE(m_probe.bestPath().elementCount(), m_probe.bestLength());
        else
            QVERIFY(m_probe.bestPath().isEmpty());

        const QList<QGraphicsItem *> items = m_probe.scene()->items();
        QCOMPARE(items.size(), m_expectedAnimated);
        QVERIFY(items.isEmpty() || items.size() == colony.antCount());
        for (QGraphicsItem *item : items)
            QVERIFY(dynamic_cast<Ant *>(item));
        const auto held = m_probe.cleanupHandler()->objects<QObject>();
        QCOMPARE(held.size(), 2 * items.size());

        // The view never keeps a table the colony has let go of.
        QCOMPARE(m_probe.view()->picture().pheromone, colony.pheromoneTable());
        QVERIFY(!QApplication::activeModalWidget());
    }

    // After an action that ran generations.
    void checkStepped()
    {
        Colony &colony = m_probe.colony();
        const WorldPicture picture = m_probe.view()->picture();
        QCOMPARE(picture.showGenerationPath, m_probe.generationPathCheckBox()->isChecked());
        QCOMPARE(picture.showBestPath, m_probe.bestPathCheckBox()->isChecked());
        QCOMPARE(picture.showPheromone, m_probe.pheromoneCheckBox()->isChecked());
        QCOMPARE(picture.showGrid, m_probe.gridCheckBox()->isChecked());
        QCOMPARE(picture.bestPath, m_probe.bestPath());
        QCOMPARE(picture.worldSize, colony.size());
        QCOMPARE(picture.homeX, colony.homeX());
        QCOMPARE(picture.homeY, colony.homeY());
        QCOMPARE(picture.foodX, colony.foodX());
        QCOMPARE(picture.foodY, colony.foodY());
    }

    MainWindow &m_window;
    MainWindowProbe m_probe;
    std::mt19937 m_random;
    std::shared_ptr<DrawLog> m_draws;
    std::unique_ptr<Colony> m_shadow;
    std::deque<QString> m_history;
    int m_actions = 0;
    int m_generation = 0;
    int m_generationsRun = 0;
    int m_expectedBest = kNoPathYet;
    int m_lastBest = kNoPathYet;
    int m_expectedAnimated = 0;
};

class StressTest : public WindowTestCase
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        if (QTest::currentTestFailed() && m_session) {
            qInfo("Replay with VORMIS_STRESS_SEED=%u VORMIS_STRESS_ACTIONS=%d. The last actions:", m_seed, m_count);
            for (const QString &line : m_session->history())
                qInfo("  %s", qPrintable(line));
        }
        m_session.reset();
    }

    void randomSession()
    {
        m_seed = static_cast<quint32>(environmentNumber("VORMIS_STRESS_SEED", kDefaultSeed));
        m_count = static_cast<int>(environmentNumber("VORMIS_STRESS_ACTIONS", kDefaultActions));
        qInfo("Seed %u, %d actions", m_seed, m_count);

        QElapsedTimer clock;
        clock.start();
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        m_session = std::make_unique<Session>(window, m_seed);
        m_session->begin();
        for (int i = 0; i < m_count && !QTest::currentTestFailed(); ++i)
            m_session->randomAction();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(window.close());
        qInfo("%d actions, %d generations in %.1f s", m_count, m_session->generationsRun(),
              clock.elapsed() / 1000.0);
    }

private:
    std::unique_ptr<Session> m_session;
    quint32 m_seed = kDefaultSeed;
    int m_count = kDefaultActions;
};

QTEST_MAIN(StressTest)
#include "stress_test.moc"
