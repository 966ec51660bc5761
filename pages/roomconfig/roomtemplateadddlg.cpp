#include "pages/roomconfig/roomtemplateadddlg.h"

#include "core/templatestore.h"
#include "materialwidgets/qtmateriallineedit.h"

RoomTemplateAddDlg::RoomTemplateAddDlg(QWidget *parent)
    : HookedAddDialog(QStringLiteral("RoomTemplateAddDlg"), tr("Add Room Template"), parent)
{
    lineEditName = new QtMaterialLineEdit(nullptr);
    lineEditName->setObjectName("lineEditName");
    setBody(lineEditName, QSize(400, 210));
}

void RoomTemplateAddDlg::pushButtonAdd_clicked()
{
    // Taken as typed: blanks and names other templates already carry are accepted.
    const QString name = lineEditName->text();
    if (name.isEmpty()) {
        emit signalsInformation(tr("Please input the complete content!"));
        return;
    }
    if (!addRoomTemplate(name)) {
        emit signalsInformation(tr("Save failed!"));
        return;
    }
    accept();
}
