#include "configdialog.h"

#include "antconfig.h"
#include "rulepage.h"

#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

ConfigDialog::ConfigDialog(QWidget *parent)
    : QDialog(parent)
{
    createPages();
    QHBoxLayout *buttonsLayout = createButtons();

    QHBoxLayout *horizontalLayout = new QHBoxLayout;
    horizontalLayout->addWidget(pageList);
    horizontalLayout->addWidget(pageStack, 1);

    QVBoxLayout *mainLayout = new QVBoxLayout;
    mainLayout->addLayout(horizontalLayout);
    mainLayout->addStretch(1);
    mainLayout->addSpacing(12);
    mainLayout->addLayout(buttonsLayout);
    setLayout(mainLayout);

    setWindowIcon(QIcon(QStringLiteral(":/images/config-dialog.png")));
    setWindowTitle(tr("Configuration Dialog"));
}

// The list of pages and the stack that shows the chosen one, the first page
// chosen.
void ConfigDialog::createPages()
{
    // The page list is exactly 80 pixels wide: one column of 48-pixel icons.
    pageList = new QListWidget;
    pageList->setObjectName(QStringLiteral("pageList"));
    pageList->setViewMode(QListView::IconMode);
    pageList->setIconSize(QSize(48, 48));
    pageList->setMovement(QListView::Static);
    pageList->setMaximumWidth(80);
    pageList->setMinimumWidth(80);

    parametersPage = new AntConfig;

    pageStack = new QStackedWidget;
    pageStack->setObjectName(QStringLiteral("pageStack"));
    pageStack->setMinimumWidth(450);
    stackPage(parametersPage);

    createPageItems();
    pageList->setCurrentRow(0);
}

// Help and Defaults on the left, Ok and Cancel on the right, in a row of
// their own.
QHBoxLayout *ConfigDialog::createButtons()
{
    QPushButton *helpButton = new QPushButton(QIcon(QStringLiteral(":/images/dialog-help.png")), tr("&Help"));
    helpButton->setObjectName(QStringLiteral("helpButton"));
    QPushButton *defaultsButton =
        new QPushButton(QIcon(QStringLiteral(":/images/dialog-defaults.png")), tr("&Defaults"));
    defaultsButton->setObjectName(QStringLiteral("defaultsButton"));
    okButton = new QPushButton(QIcon(QStringLiteral(":/images/dialog-ok.png")), tr("Ok"));
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(QIcon(QStringLiteral(":/images/dialog-cancel.png")), tr("Cancel"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    helpButton->setAccessibleDescription(tr("Explains each parameter of the page"));
    defaultsButton->setAccessibleDescription(tr("Fills the page with the values the program starts with; nothing changes before Ok"));
    okButton->setAccessibleDescription(tr("Starts the colony afresh with these values"));
    cancelButton->setAccessibleDescription(tr("Closes the dialog and changes nothing"));
    pageList->setAccessibleName(tr("Pages"));
    pageList->setAccessibleDescription(tr("Chooses the page of settings shown beside it"));
    for (QPushButton *button : {helpButton, defaultsButton, okButton, cancelButton})
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));

    connect(helpButton, &QPushButton::clicked, this, &ConfigDialog::showHelp);
    connect(defaultsButton, &QPushButton::clicked, this, &ConfigDialog::restoreDefaults);
    connect(okButton, &QPushButton::clicked, this, &ConfigDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &ConfigDialog::reject);

    QHBoxLayout *buttonsLayout = new QHBoxLayout;
    buttonsLayout->addWidget(helpButton);
    buttonsLayout->addWidget(defaultsButton);
    buttonsLayout->addStretch(1);
    buttonsLayout->addWidget(okButton);
    buttonsLayout->addWidget(cancelButton);
    return buttonsLayout;
}

void ConfigDialog::createPageItems()
{
    addPageItem(QIcon(QStringLiteral(":/images/dialog-ant.png")), tr("Ants"));
    connect(pageList, &QListWidget::currentItemChanged, this, &ConfigDialog::changePage);
}

void ConfigDialog::addPageItem(const QIcon &icon, const QString &name)
{
    QListWidgetItem *item = new QListWidgetItem(pageList);
    item->setIcon(icon);
    item->setText(name);
    item->setTextAlignment(Qt::AlignHCenter);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

// The stack's fixed minimum width would otherwise let a page be squeezed
// below what its texts need, which a longer translation can exceed.
void ConfigDialog::stackPage(QWidget *page)
{
    pageStack->addWidget(page);
    pageStack->setMinimumWidth(std::max(pageStack->minimumWidth(), page->minimumSizeHint().width()));
}

void ConfigDialog::addPage(QWidget *page, const QIcon &icon, const QString &name)
{
    stackPage(page);
    addPageItem(icon, name);
}

void ConfigDialog::changePage(QListWidgetItem *current, QListWidgetItem *previous)
{
    if (!current)
        current = previous;
    if (!current)
        return;
    const int row = pageList->row(current);
    if (row >= 0 && row < pageStack->count())
        pageStack->setCurrentIndex(row);
}

void ConfigDialog::showHelp()
{
    QMessageBox box(this);
    box.setObjectName(QStringLiteral("helpBox"));
    box.setWindowTitle(tr("Simulation parameters"));
    box.setIconPixmap(QIcon(QStringLiteral(":/images/dialog-help.png")).pixmap(48, 48));
    box.setTextFormat(Qt::RichText);
    box.setText(tr(
        "<p><b>World size</b>: the world is a square of 3 to 30 cells a side.</p>"
        "<p><b>How many ants</b>: 1 to 30 ants leave home in every generation.</p>"
        "<p><b>Food location</b> and <b>Home location</b>: the cells of the food and of "
        "the ants' home. X is the column and Y the row, both counted from 0 at the "
        "top-left corner. A value outside the world is moved back inside: the food to "
        "the last column or row, the home to 0.</p>"
        "<p><b>Pheromone factor (alpha)</b>: under the window's own rule, an ant that "
        "reaches the food adds alpha times each cell's pheromone to the cell's routing "
        "weight, which only ever grows, so alpha changes the trails more than the ants' "
        "choices. Under the textbook rules (the Rule page), the ants weigh each neighbour "
        "by its pheromone to the power alpha: at 0 they ignore pheromone and walk by the "
        "heuristic alone; from 1 on the trails draw them and the colony converges (under "
        "Ant System, alpha 2 brings it to the shortest path on an open world).</p>"
        "<p><b>Heuristic factor (beta)</b>: under the window's own rule, an arriving ant "
        "adds beta times each cell's heuristic, which grows more for short walks, to the "
        "cell's routing weight. Under the textbook rules, the ants weigh each neighbour "
        "by its nearness to the food to the power beta: the higher beta, the straighter "
        "they head for the food, walls or not.</p>"
        "<p><b>Pheromone evaporation rate (ro)</b>: the share of pheromone that evaporates "
        "in each generation. 0 keeps it for ever; 0.99 wipes out nearly all of it every "
        "generation. Under the window's own rule only the trails shown evaporate, so ro "
        "hardly changes what the ants do. Under Ant System a higher ro makes the colony "
        "forget old trails sooner: it settles on the shortest path sooner, and forgets a "
        "path that led it into a trap. With alpha 0 ro makes no difference.</p>"
        "<p>A bigger world makes the colony slower to settle on a route; more ants explore "
        "more of the world in each generation.</p>"
        "<p><b>Rule</b> (the Rule page): how the ants choose and how the pheromone "
        "changes, and the rule's own parameters: q0 and xi of Ant Colony System, elite of "
        "Elitist, rank of Rank-based and restart of MAX-MIN Ant System. A fixed seed makes "
        "every start repeat the same generations.</p>"
        "<p><i>Defaults</i> fills in the values the program starts with. Nothing changes "
        "until you press <i>Ok</i>.</p>"));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

// Fills the page shown with the values the program starts with; nothing is
// applied before Ok.
void ConfigDialog::restoreDefaults()
{
    if (auto *rulePage = qobject_cast<RulePage *>(pageStack->currentWidget())) {
        rulePage->restoreDefaults();
        return;
    }
    AntConfig *p = parametersPage;
    p->worldSizeSpinBox->setValue(10);
    p->antCountSpinBox->setValue(5);
    p->foodXEdit->setText(QStringLiteral("9"));
    p->foodYEdit->setText(QStringLiteral("9"));
    p->homeXEdit->setText(QStringLiteral("0"));
    p->homeYEdit->setText(QStringLiteral("0"));
    p->alphaSpinBox->setValue(2);
    p->betaSpinBox->setValue(1);
    p->roSpinBox->setValue(0.10);
}
