#ifndef VORMIS_ANIMCONFIG_H
#define VORMIS_ANIMCONFIG_H

#include <QWidget>

// A page for the animation settings, kept for later; the dialog does not
// show it yet.
class AnimConfig : public QWidget
{
    Q_OBJECT

public:
    AnimConfig(QWidget *parent = nullptr);
};

#endif
