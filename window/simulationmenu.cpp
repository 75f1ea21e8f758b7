#include "simulationmenu.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace {

constexpr int kRunInterval = 250; // ms between two presses of Advance

} // namespace

SimulationMenu::SimulationMenu(QPushButton *advance, QPushButton *start, QPushButton *stop, QWidget *window)
    : QObject(window), m_menu(new QMenu(tr("&Simulation"), window))
{
    m_advance = addButtonAction(tr("&Advance"), QKeySequence(Qt::Key_PageDown), advance);
    // Shown in the menu; the key itself goes through eventFilter().
    m_advance->setShortcutContext(Qt::WidgetShortcut);

    m_run = new QAction(tr("&Run"), this);
    m_run->setCheckable(true);
    m_run->setShortcut(QKeySequence(tr("Ctrl+R")));
    m_run->setStatusTip(tr("Advance again and again until Run is unchecked"));
    m_menu->addAction(m_run);
    m_runTimer.setInterval(kRunInterval);
    connect(&m_runTimer, &QTimer::timeout, advance, &QPushButton::click);
    connect(m_run, &QAction::toggled, this, [this](bool on) { on ? m_runTimer.start() : m_runTimer.stop(); });

    m_menu->addSeparator();
    addButtonAction(tr("Start &Animation"), QKeySequence(Qt::Key_F5), start);
    addButtonAction(tr("S&top Animation"), QKeySequence(Qt::Key_Escape), stop);
    window->installEventFilter(this);
}

QAction *SimulationMenu::addButtonAction(const QString &text, const QKeySequence &key, QPushButton *button)
{
    auto *action = new QAction(button->icon(), text, this);
    action->setShortcut(key);
    action->setStatusTip(button->accessibleDescription());
    connect(action, &QAction::triggered, button, &QPushButton::click);
    m_menu->addAction(action);
    return action;
}

void SimulationMenu::stopRunning()
{
    m_run->setChecked(false);
}

bool SimulationMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_PageDown && key->modifiers() == Qt::NoModifier) {
            m_advance->trigger();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
