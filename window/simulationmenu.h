#ifndef VORMIS_SIMULATIONMENU_H
#define VORMIS_SIMULATIONMENU_H

#include <QObject>
#include <QTimer>

class QAction;
class QKeySequence;
class QMenu;
class QPushButton;
class QWidget;

// The "Simulation" menu: Advance, Run, Start Animation and Stop Animation,
// each pressing its button of the control panel, with keys a presenter's
// remote can send.  Run presses Advance every 250 ms until it is unchecked
// or stopRunning() is called.
//
// Page Down advances wherever the window has the keyboard, except in the
// controls that use it themselves (the speed slider and the spin box): the
// window's event filter takes the key only when no control did.
class SimulationMenu : public QObject
{
    Q_OBJECT

public:
    SimulationMenu(QPushButton *advance, QPushButton *start, QPushButton *stop, QWidget *window);

    QMenu *menu() const { return m_menu; }
    QAction *runAction() const { return m_run; }

public slots:
    void stopRunning();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addButtonAction(const QString &text, const QKeySequence &key, QPushButton *button);

    QMenu *m_menu;
    QAction *m_advance;
    QAction *m_run;
    QTimer m_runTimer;
};

#endif
