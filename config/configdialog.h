#ifndef VORMIS_CONFIGDIALOG_H
#define VORMIS_CONFIGDIALOG_H

#include <QDialog>

class AntConfig;
class QHBoxLayout;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStackedWidget;

// The configuration dialog: a list of pages on the left, the chosen page on
// the right, and Help, Defaults, Ok and Cancel below.  The main window reads
// the values from parametersPage once the dialog is accepted.
//
// The widgets that are not public carry object names, so tests find them
// with findChild: "pageList", "pageStack", "helpButton", "defaultsButton",
// "okButton", "cancelButton"; the help box is "helpBox".
class ConfigDialog : public QDialog
{
    Q_OBJECT

    QStackedWidget *pageStack;

public:
    AntConfig *parametersPage;

    ConfigDialog(QWidget *parent = nullptr);

public slots:
    void changePage(QListWidgetItem *current, QListWidgetItem *previous);

private slots:
    void showHelp();
    void restoreDefaults();

private:
    QListWidget *pageList;
    QPushButton *okButton;
    QPushButton *cancelButton;

    void createPages();
    void createPageItems();
    QHBoxLayout *createButtons();
};

#endif
