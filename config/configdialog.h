#ifndef VORMIS_CONFIGDIALOG_H
#define VORMIS_CONFIGDIALOG_H

#include <QDialog>

class AntConfig;
class QHBoxLayout;
class QIcon;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStackedWidget;

// The configuration dialog: a list of pages on the left, the chosen page on
// the right, and Help, Defaults, Ok and Cancel below.  The main window reads
// the values from parametersPage, and from the pages it added, once the
// dialog is accepted.
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

    // Adds a page after the others, with its entry in the page list; the
    // page shown stays as it is.  The window adds its Rule page this way.
    void addPage(QWidget *page, const QIcon &icon, const QString &name);

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
    void stackPage(QWidget *page);
    void createPageItems();
    void addPageItem(const QIcon &icon, const QString &name);
    QHBoxLayout *createButtons();
};

#endif
