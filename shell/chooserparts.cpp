#include "shell/chooserparts.h"

#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialcanvas.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "shell/mydialog.h"

#include <QGridLayout>
#include <QPainter>
#include <QPixmap>

QtMaterialIconButton *makeCloseButton(QDialog *dialog)
{
    auto *closeButton = new QtMaterialIconButton(QtMaterialTheme::icon("navigation", "close"), nullptr);
    closeButton->setObjectName("pushButtonClose");
    closeButton->setColor(Qt::white);
    QObject::connect(closeButton, &QtMaterialIconButton::clicked, dialog, &QDialog::close);
    return closeButton;
}

QtMaterialGroupBox *addChooserFrame(QDialog *dialog, const QString &groupBoxName)
{
    QtMaterialIconButton *closeButton = makeCloseButton(dialog);

    auto *groupBox = new QtMaterialGroupBox(QString(), nullptr);
    groupBox->setObjectName(groupBoxName);
    groupBox->setStyleSheet("QGroupBox{border:none;}");
    auto *canvas = new QtMaterialCanvas(dialog);
    canvas->setBackgroundColor(MyDialog::panelColor);
    canvas->setWidget(groupBox);
    canvas->setWidgetResizable(true);

    auto *layout = new QGridLayout;
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(closeButton, 0, 0, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(canvas, 1, 0);
    layout->setRowStretch(1, 1);
    dialog->setLayout(layout);
    return groupBox;
}

void paintChooserRow(QWidget *row, const QString &picture, const QString &text, bool selected)
{
    const int w = row->width();
    const int h = row->height();
    const int y = (h - 24) / 2;
    QPainter painter(row);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(QRect(20, y, 24, 24), picturePixmap(picture));
    if (selected)
        painter.drawPixmap(QRect(w - 41, y, 24, 24), picturePixmap(":/myImages/png/selected.png"));

    painter.setBrush(Qt::NoBrush);
    painter.setFont(QtMaterialStyle::instance().themeFont(8));
    painter.setPen(Qt::white);
    const QString elided = painter.fontMetrics().elidedText(text, Qt::ElideRight, w);
    painter.drawText(QRect(60, 0, w, h), Qt::AlignLeft | Qt::AlignVCenter, elided);

    painter.setPen(Qt::lightGray);
    painter.drawLine(0, h - 1, w - 1, h - 1);
}
