#include "pages/messages/messageform.h"

#include "core/devicestore.h"
#include "core/messagestore.h"
#include "core/queryhelpers.h"
#include "core/roomname.h"
#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialiconbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "materialwidgets/qtmaterialtheme.h"
#include "shell/mydialog.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPixmap>
#include <QStringList>

namespace {

const QString initialPicture = QStringLiteral(":/myImages/png/message/message_01.png");

} // namespace

MessageForm::MessageForm(const char *context, int pictureSize, QObject *parent) : QObject(parent)
{
    auto text = [context](const char *source) { return QCoreApplication::translate(context, source); };

    picture = new QtMaterialLabel(nullptr, Qt::WindowFlags());
    picture->setObjectName("labelPicture");
    picture->setFixedSize(pictureSize, pictureSize);
    picture->setScaledContents(true);
    picture->setPixmap(picturePixmap(initialPicture));

    auto field = [](const char *name, bool enabled) {
        auto *edit = new QtMaterialLineEdit(nullptr);
        edit->setObjectName(name);
        edit->setEnabled(enabled);
        return edit;
    };
    recvTime = field("lineEditRecvTime", false);
    roomName = field("lineEditRoomName", false);
    panelName = field("lineEditPanelName", false);
    messageName = field("lineEditMessageName", false);
    remark = field("lineEditMessageRemark", true);
    connect(remark, &QLineEdit::textChanged, this, &MessageForm::limitRemark);

    status = new QtMaterialComboBox(nullptr);
    status->setObjectName("comboBoxMessageStatus");
    status->setEditable(false);
    status->addItems(messageStatusNames());

    layout = new QGridLayout;
    layout->setSpacing(20);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(picture, 0, 0, 1, 2, Qt::AlignCenter);
    // Beside the picture: a call the station could not write to the project is dealt with knowing it.
    notSaved = new QtMaterialLabel(text("Not saved: the project cannot be written"), nullptr, Qt::WindowFlags());
    notSaved->setObjectName("labelNotSaved");
    notSaved->setTextColor(QColor(227, 81, 81));
    notSaved->hide();
    layout->addWidget(notSaved, 0, 0, 1, 2, Qt::AlignRight | Qt::AlignVCenter);
    const QList<QPair<const char *, QWidget *>> rows = {{"Recv Time:", recvTime},    {"Room Name:", roomName},
                                                        {"Panel Name:", panelName},  {"Message Name:", messageName},
                                                        {"Message Status:", status}, {"Message Remark:", remark}};
    int row = 1;
    for (const auto &entry : rows) {
        layout->addWidget(new QtMaterialLabel(text(entry.first), nullptr, Qt::WindowFlags()), row, 0);
        layout->addWidget(entry.second, row, 1);
        ++row;
    }
}

void MessageForm::installIn(MyDialog *dialog, const QString &objectName, const QString &title, QHBoxLayout *buttons)
{
    dialog->setObjectName(objectName);
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog->setAttribute(Qt::WA_TranslucentBackground);
    dialog->resize(400, 300);
    dialog->setMinimumSize(800, 600);
    dialog->setWindowTitle(title);

    auto *close = new QtMaterialIconButton(QtMaterialTheme::icon("navigation", "close"), nullptr);
    close->setObjectName("pushButtonClose");
    close->setColor(Qt::white);
    connect(close, &QAbstractButton::clicked, dialog, &QWidget::close);

    auto *titleLabel = new QtMaterialLabel(title, nullptr, Qt::WindowFlags());
    titleLabel->setObjectName("labelTitle");
    titleLabel->setFontIndex(5);

    buttons->setSizeConstraint(QLayout::SetNoConstraint);
    auto *outer = new QGridLayout;
    outer->setSpacing(20);
    outer->setSizeConstraint(QLayout::SetNoConstraint);
    outer->addWidget(close, 0, 0, Qt::AlignRight | Qt::AlignTop);
    outer->addWidget(titleLabel, 1, 0, Qt::AlignCenter);
    outer->addLayout(layout, 2, 0);
    outer->addLayout(buttons, 3, 0);
    outer->setRowStretch(4, 1);
    dialog->setLayout(outer);
}

QString MessageForm::fitRemark(const QString &text)
{
    char field[sizeof(messageRecord::message_log_remark)];
    copyRecordText(field, text);
    return QString::fromUtf8(field);
}

void MessageForm::limitRemark()
{
    const QString typed = remark->text();
    if (typed.toUtf8().size() <= remarkBytes)
        return;
    const int cursor = remark->cursorPosition();
    const QString fitted = fitRemark(typed);
    remark->setText(fitted);
    remark->setCursorPosition(qMin(cursor, fitted.size()));
}

void MessageForm::show(const messageRecord &record)
{
    notSaved->setVisible(record.id <= 0);
    recvTime->setText(QString::fromUtf8(record.recv_time));
    remark->setText(QString::fromUtf8(record.message_log_remark));

    status->setCurrentText(messageStatusName(record.message_status));

    MessageDefinition definition;
    if (!readMessageDefinition(record.message_id, definition)) {
        picture->setPixmap(picturePixmap(initialPicture));
        roomName->clear();
        panelName->clear();
        messageName->clear();
        return;
    }
    const QString messageRemark = definition.remark;
    QString iconName = definition.iconName;
    const QString panelRemark = readPanelRemark(record.panel_id);
    if (!iconName.contains(".png"))
        iconName += ".png";
    picture->setPixmap(picturePixmap(":/myImages/png/message/" + iconName));
    roomName->setText(roomFullName(record.room_id));
    panelName->setText(panelRemark);
    messageName->setText(messageRemark);
}

void MessageForm::collect(messageRecord &record) const
{
    record.message_status = messageStatusByName(status->currentText());
    copyRecordText(record.deal_time, QDateTime::currentDateTime().toString("yyyy-MM-dd HH:mm:ss"));
    copyRecordText(record.message_log_remark, remark->text());
}
