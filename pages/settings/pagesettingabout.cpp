#include "pages/settings/pagesettingabout.h"

#include "core/appsettings.h"
#include "core/networkstore.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"

#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

QtMaterialLabel *label(const QString &text, const QString &objectName = QString())
{
    auto *l = new QtMaterialLabel(text, nullptr, Qt::WindowFlags());
    l->setObjectName(objectName);
    return l;
}

} // namespace

PageSettingAbout::PageSettingAbout(const QString &id, const QString &name, QWidget *parent) : MyDialog(id, name, parent)
{
    auto *logo = new QtMaterialLabel(nullptr, Qt::WindowFlags());
    logo->setObjectName("labelLogo");
    logo->setPixmap(picturePixmap(":/myImages/png/logo-about-orv.png"));
    auto *introduction = label(tr("Zoduv is the hotel room station of ORV: it operates the devices of the guest "
                                  "rooms, answers the guests' calls and keeps each hotel project. How ORV treats "
                                  "personal data is set out in its privacy statement on its web site."),
                               "labelIntroduction");
    introduction->setWordWrap(true);
    auto *link =
        label(tr("<a href=\"https://www.orv.invalid\" style=\"color:#FF0000;\">www.orv.invalid</a>"), "labelLink");
    link->setOpenExternalLinks(true);
    link->setTextFormat(Qt::RichText);
    auto *rights = label(tr("Copyright © 2026 ORV Ltd. All rights reserved."), "labelRights");

    auto *maker = new QGridLayout;
    maker->setSpacing(20);
    const QList<QWidget *> makerRows = {logo, introduction, link, rights};
    for (int row = 0; row < makerRows.size(); ++row) {
        maker->addWidget(makerRows.at(row), row, 0, Qt::AlignCenter);
        maker->setRowStretch(row, 1);
    }

    QString vendorName;
    readIniSetting("about", "about_name", vendorName);
    QString vendorPhone;
    readIniSetting("about", "about_phone", vendorPhone);
    lineEditName = new QtMaterialLineEdit(vendorName, nullptr);
    lineEditName->setObjectName("lineEditName");
    lineEditPhone = new QtMaterialLineEdit(vendorPhone, nullptr);
    lineEditPhone->setObjectName("lineEditPhone");
    connect(lineEditName, &QLineEdit::editingFinished, this, &PageSettingAbout::editingFinished);
    connect(lineEditPhone, &QLineEdit::editingFinished, this, &PageSettingAbout::editingFinished);

    auto *vendor = new QGridLayout;
    vendor->setSpacing(20);
    vendor->addWidget(label(tr("Vendor/Agent Information")), 0, 0, Qt::AlignCenter);
    vendor->addWidget(label(tr("Name")), 1, 1);
    vendor->addWidget(lineEditName, 2, 1);
    vendor->addWidget(label(tr("Phone")), 3, 1);
    vendor->addWidget(lineEditPhone, 4, 1);
    vendor->setColumnStretch(0, 1);
    vendor->setColumnStretch(1, 1);
    vendor->setRowStretch(5, 1);

    // Read once: the page shows the database of the project that was current when it was made.
    auto *softwareLabel = label(QString::asprintf("V%.2f", softwareVersion), "labelSoftwareVersion");
    softwareLabel->setFontIndex(4);
    auto *databaseLabel = label("V" + databaseVersion(), "labelDatabaseVersion");
    databaseLabel->setFontIndex(4);
    auto *softwareCaption = label(tr("Software Version"));
    softwareCaption->setTextColor(QColor(0xFF, 0x00, 0x00));
    auto *databaseCaption = label(tr("Database Version"));
    databaseCaption->setTextColor(QColor(0xFF, 0x00, 0x00));

    auto *software = new QGridLayout;
    software->setSpacing(20);
    software->addWidget(label(tr("Software Information")), 0, 0, Qt::AlignCenter);
    software->addWidget(softwareLabel, 1, 0, Qt::AlignCenter);
    software->addWidget(databaseLabel, 1, 1, Qt::AlignCenter);
    software->addWidget(softwareCaption, 2, 0, Qt::AlignCenter);
    software->addWidget(databaseCaption, 2, 1, Qt::AlignCenter);
    software->setRowStretch(3, 1);

    auto *right = new QVBoxLayout;
    right->setSpacing(20);
    right->addLayout(vendor, 1);
    right->addLayout(software, 1);

    auto *mainLayout = new QGridLayout;
    mainLayout->addLayout(maker, 0, 0);
    mainLayout->addLayout(right, 0, 1);
    mainLayout->setColumnStretch(0, 1);
    mainLayout->setColumnStretch(1, 1);
    mainLayout->setRowStretch(0, 1);
    setLayout(mainLayout);
}

void PageSettingAbout::editingFinished()
{
    writeIniSetting("about", "about_name", lineEditName->text());
    writeIniSetting("about", "about_phone", lineEditPhone->text());
}

void PageSettingAbout::paintEvent(QPaintEvent *event)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::lightGray);
    painter.drawLine(w / 2, 20, w / 2, h - 21);
    painter.drawLine(w / 2 + 20, h / 2, w - 21, h / 2);

    const int size = qMin(w / 8, h / 4);
    const QRect square(w / 2 + (w / 4 - size) / 2, (h / 2 - size) / 2, size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1F, 0x29, 0x33));
    painter.drawEllipse(square);
    painter.drawPixmap(square.adjusted(40, 40, -40, -40), picturePixmap(":/myImages/png/icon-about-company.png"));
    painter.end();

    MyDialog::paintEvent(event);
}
