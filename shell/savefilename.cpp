#include "shell/savefilename.h"

#include <QFileDialog>

namespace {

SaveFileName::Hook &hook()
{
    static SaveFileName::Hook instance;
    return instance;
}

} // namespace

QString SaveFileName::ask(QWidget *parent, const QString &caption, const QString &proposed, const QString &filter)
{
    if (hook())
        return hook()(parent, caption, proposed, filter);
    return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

void SaveFileName::setHook(const Hook &newHook)
{
    hook() = newHook;
}
