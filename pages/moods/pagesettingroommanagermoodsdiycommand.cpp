#include "pages/moods/pagesettingroommanagermoodsdiycommand.h"

#include "core/globals.h"
#include "core/moodstore.h"
#include "devicelink/broadcastsocket.h"
#include "materialwidgets/qtmaterialcombobox.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"
#include "panels/moodcommands.h"
#include "panels/sliderctrl.h"
#include "panels/timectrl.h"
#include "shell/pageids.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>

namespace {

// Whole numbers from 0: a minus sign would store a negative number as its low byte, and a negative bus address
// becomes 255, the address of every device. Nine digits at most, so every text reads as an int.
QIntValidator *numberValidator(QObject *parent)
{
    return new QIntValidator(0, 999999999, parent);
}

QtMaterialLineEdit *numberField(const QString &objectName)
{
    auto *field = new QtMaterialLineEdit(nullptr);
    field->setObjectName(objectName);
    field->setValidator(numberValidator(field));
    return field;
}

QtMaterialLabel *label(const QString &text, const QString &objectName = QString())
{
    auto *widget = new QtMaterialLabel(text, nullptr);
    if (!objectName.isEmpty())
        widget->setObjectName(objectName);
    return widget;
}

QtMaterialFlatButton *button(const QString &text, const QString &objectName)
{
    auto *widget = new QtMaterialFlatButton(text, 7, nullptr);
    widget->setObjectName(objectName);
    return widget;
}

int fieldNumber(const QLineEdit *field)
{
    return field->text().toInt();
}

// The text's "%d:%d" in seconds; a missing or unreadable number is 0.
int secondsOf(const QString &time)
{
    const QStringList parts = time.split(QLatin1Char(':'));
    const int minutes = parts.value(0).toInt();
    const int seconds = parts.value(1).toInt();
    return minutes * 60 + seconds;
}

quint8 lowByte(int number)
{
    return quint8(number & 0xFF);
}

} // namespace

PageSettingRoomManagerMoodsDiyCommand::PageSettingRoomManagerMoodsDiyCommand(const QString &id, const QString &name,
                                                                             QWidget *parent)
    : MyDialog(id, name, parent)
{
    if (objectName().isEmpty())
        setObjectName("PageSettingRoomManagerMoodsDiyCommand");
    resize(400, 300);
    setWindowTitle("Dialog");

    labelCommandId = label(tr("1"), "labelCommandId");
    lineEditSubnet = numberField("lineEditSubnet");
    lineEditDevice = numberField("lineEditDevice");
    comboBoxType = new QtMaterialComboBox(nullptr);
    comboBoxType->setObjectName("comboBoxType");
    comboBoxType->setEditable(false);
    comboBoxType->setMinimumWidth(300);
    slider = new SliderCtrl(nullptr);
    slider->setObjectName("sliderPrm2");
    slider->setRange(0, 100);
    timeCtrl = new TimeCtrl;
    timeCtrl->setObjectName("timeCtrlPrm3");

    auto *grid = new QGridLayout;
    grid->setSpacing(20);
    grid->setSizeConstraint(QLayout::SetNoConstraint);
    grid->addWidget(label(tr("Command ID:")), 0, 0);
    grid->addWidget(labelCommandId, 0, 1);
    grid->addWidget(label(tr("Subnet ID:")), 1, 0);
    grid->addWidget(lineEditSubnet, 1, 1);
    grid->addWidget(label(tr("Device ID:")), 2, 0);
    grid->addWidget(lineEditDevice, 2, 1);
    grid->addWidget(label(tr("Type:")), 3, 0);
    grid->addWidget(comboBoxType, 3, 1);
    const char *const prmLabels[] = {QT_TR_NOOP("Prm1:"), QT_TR_NOOP("Prm2:"), QT_TR_NOOP("Prm3:"),
                                     QT_TR_NOOP("Prm4:")};
    for (int i = 0; i < 4; ++i) {
        Parameter p;
        p.label = label(tr(prmLabels[i]), QString("labelPrm%1").arg(i + 1));
        p.field = numberField(QString("lineEditPrm%1").arg(i + 1));
        p.list = new QtMaterialComboBox(nullptr);
        p.list->setObjectName(QString("comboBoxPrm%1").arg(i + 1));
        p.list->setEditable(false);
        p.list->setMinimumWidth(300);
        p.list->hide();
        p.unit = label(QString(), QString("labelUnit%1").arg(i + 1));
        grid->addWidget(p.label, 4 + i, 0);
        grid->addWidget(p.field, 4 + i, 1);
        grid->addWidget(p.list, 4 + i, 1);
        grid->addWidget(p.unit, 4 + i, 2);
        if (i >= 2) {
            p.label->hide();
            p.field->hide();
            p.unit->hide();
        }
        parameters.append(p);
    }
    grid->addWidget(slider, 5, 1);
    slider->hide();
    grid->addWidget(timeCtrl, 6, 1);
    timeCtrl->hide();
    QtMaterialFlatButton *prev = button(tr("Prev"), "pushButtonPrev");
    QtMaterialFlatButton *save = button(tr("Save"), "pushButtonSave");
    QtMaterialFlatButton *next = button(tr("Next"), "pushButtonNext");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(prev);
    buttons->addWidget(save);
    buttons->addWidget(next);
    grid->addLayout(buttons, 8, 0, 1, 3);
    grid->setRowStretch(9, 1);
    setLayout(grid);

    connect(prev, &QtMaterialFlatButton::clicked, this, &PageSettingRoomManagerMoodsDiyCommand::pushButtonPrev_clicked);
    connect(next, &QtMaterialFlatButton::clicked, this, &PageSettingRoomManagerMoodsDiyCommand::pushButtonNext_clicked);
    connect(save, &QtMaterialFlatButton::clicked, this, &PageSettingRoomManagerMoodsDiyCommand::pushButtonSave_clicked);
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(comboBoxType, indexChanged, this, &PageSettingRoomManagerMoodsDiyCommand::comboBoxChange);
    for (const Parameter &p : qAsConst(parameters)) {
        connect(p.list, indexChanged, this, &PageSettingRoomManagerMoodsDiyCommand::comboBoxChange);
        connect(p.field, &QLineEdit::textChanged, this, &PageSettingRoomManagerMoodsDiyCommand::textChanged);
    }
    connect(lineEditSubnet, &QLineEdit::textChanged, this, &PageSettingRoomManagerMoodsDiyCommand::textChanged);
    connect(lineEditDevice, &QLineEdit::textChanged, this, &PageSettingRoomManagerMoodsDiyCommand::textChanged);
    connect(slider, &SliderCtrl::valueChanged, this, &PageSettingRoomManagerMoodsDiyCommand::valueChanged);
    connect(&gBroadcastSocket, &BroadcastSocket::signalsPageEnter, this,
            &PageSettingRoomManagerMoodsDiyCommand::slotsPageEnter);

    resetTypeList();
}

int PageSettingRoomManagerMoodsDiyCommand::typeIndexOfItem(const QString &item) const
{
    return commandTypeIndex(item);
}

int PageSettingRoomManagerMoodsDiyCommand::prm1IndexOfItem(int policy, const QString &item) const
{
    return vocabularyIndexOfItem(CommandVocabulary::FunctionParameters, policy, item);
}

int PageSettingRoomManagerMoodsDiyCommand::comp2IndexOfItem(int policy, const QString &item) const
{
    return vocabularyIndexOfItem(CommandVocabulary::Comp2Items, policy, item);
}

int PageSettingRoomManagerMoodsDiyCommand::comp3IndexOfItem(int policy, const QString &item) const
{
    return vocabularyIndexOfItem(CommandVocabulary::Comp3Items, policy, item);
}

int PageSettingRoomManagerMoodsDiyCommand::listIndexOfItem(const ParameterList &list, const QString &item) const
{
    switch (list.vocabulary) {
    case CommandVocabulary::FunctionParameters:
        return prm1IndexOfItem(list.policy, item);
    case CommandVocabulary::Comp2Items:
        return comp2IndexOfItem(list.policy, item);
    case CommandVocabulary::Comp3Items:
        break;
    }
    return comp3IndexOfItem(list.policy, item);
}

int PageSettingRoomManagerMoodsDiyCommand::listValueOfItem(const ParameterList &list, const QString &item) const
{
    return vocabularyValueOfItem(list.vocabulary, list.policy, item);
}

int PageSettingRoomManagerMoodsDiyCommand::currentType() const
{
    return typeIndexOfItem(comboBoxType->currentText());
}

int PageSettingRoomManagerMoodsDiyCommand::chosenIndex(int prm, const ParameterCase &c) const
{
    const QtMaterialComboBox *list = parameters.at(prm - 1).list;
    if (c.input != ParameterCase::List || list->count() == 0)
        return -1;
    if (c.list.isPair())
        return c.list.pair.indexOf(list->currentText());
    return listIndexOfItem(c.list, list->currentText());
}

ParameterCase PageSettingRoomManagerMoodsDiyCommand::caseOf(int prm) const
{
    const int type = currentType();
    QVector<int> chosen;
    for (int earlier = 1; earlier < prm; ++earlier)
        chosen.append(chosenIndex(earlier, parameterCase(type, earlier, chosen)));
    return parameterCase(type, prm, chosen);
}

void PageSettingRoomManagerMoodsDiyCommand::hideParameter(int prm)
{
    const Parameter &p = parameters.at(prm - 1);
    // The unit first: with its "%" gone the slider's reset below leaves it alone.
    p.unit->clear();
    p.field->clear();
    p.field->hide();
    p.field->setEnabled(true);
    p.list->clear();
    p.list->hide();
    if (prm == 2) {
        slider->setValue(0);
        slider->hide();
    }
    if (prm == 3) {
        timeCtrl->setTime("0:0");
        timeCtrl->hide();
    }
    if (prm >= 3) {
        p.unit->hide();
        p.label->hide();
    } else {
        p.label->show();
    }
}

void PageSettingRoomManagerMoodsDiyCommand::fillPrm(int prm)
{
    // The lists filled here must not start the cascade themselves: the caller refills the later parameters.
    const bool wasLoading = loading;
    loading = true;
    hideParameter(prm);
    const ParameterCase c = caseOf(prm);
    const Parameter &p = parameters.at(prm - 1);
    const quint8 bytes[4] = {m_command.prm1, m_command.prm2, m_command.prm3, m_command.prm4};
    const int stored = c.byte >= 0 ? bytes[c.byte] : 0;
    const int word = c.lowByte >= 0 ? stored * 256 + bytes[c.lowByte] : stored;

    switch (c.input) {
    case ParameterCase::None:
        break;
    case ParameterCase::Field:
        p.field->setText(QString::number(word));
        p.field->show();
        break;
    case ParameterCase::Fixed:
        p.field->setText(c.fixedText);
        p.field->setEnabled(false);
        p.field->show();
        break;
    case ParameterCase::List: {
        int at = 0;
        if (c.list.isPair()) {
            p.list->addItems(c.list.pair);
            at = stored != 0 ? 1 : 0;
        } else {
            const QStringList items = vocabularyItems(c.list.vocabulary, c.list.policy);
            p.list->addItems(items);
            at = vocabularyIndexOfValue(c.list.vocabulary, c.list.policy, stored);
            if (at < 0 || at >= items.size())
                at = 0;
        }
        p.list->setCurrentIndex(at);
        p.list->show();
        break;
    }
    case ParameterCase::Slider:
        if (prm == 2) {
            slider->setValue(stored);
            slider->show();
        }
        break;
    case ParameterCase::Time:
        if (prm == 3) {
            timeCtrl->setTime(QString::asprintf("%d:%d", word / 60, word % 60));
            timeCtrl->show();
        }
        break;
    }

    if (c.input == ParameterCase::Slider)
        p.unit->setText(QString::asprintf(c.unit.toUtf8().constData(), slider->value()));
    else
        p.unit->setText(c.unit);
    if (c.input != ParameterCase::None) {
        p.label->show();
        p.unit->show();
    }
    if (prm == 2)
        p.label->setVisible(!c.hideLabel);
    loading = wasLoading;
}

void PageSettingRoomManagerMoodsDiyCommand::fillPrm1()
{
    fillPrm(1);
}

void PageSettingRoomManagerMoodsDiyCommand::fillPrm2()
{
    fillPrm(2);
}

void PageSettingRoomManagerMoodsDiyCommand::fillPrm3()
{
    fillPrm(3);
}

void PageSettingRoomManagerMoodsDiyCommand::fillPrm4()
{
    fillPrm(4);
}

void PageSettingRoomManagerMoodsDiyCommand::encodeCommand()
{
    moodCommandRecord command{};
    command.command_id = labelCommandId->text().toInt();
    int type = 0;
    int typeValue = 0;
    if (commandTypeOfItem(comboBoxType->currentText(), type, typeValue))
        command.command_type = lowByte(typeValue);
    command.subnet_id = lowByte(fieldNumber(lineEditSubnet));
    command.device_id = lowByte(fieldNumber(lineEditDevice));

    quint8 bytes[4] = {0, 0, 0, 0};
    QVector<int> chosen;
    for (int prm = 1; prm <= 4; ++prm) {
        const ParameterCase c = parameterCase(type, prm, chosen);
        chosen.append(chosenIndex(prm, c));
        const Parameter &p = parameters.at(prm - 1);
        int number = 0;
        switch (c.input) {
        case ParameterCase::None:
            continue;
        case ParameterCase::Field:
            number = fieldNumber(p.field);
            break;
        case ParameterCase::Fixed:
            number = 255;
            break;
        case ParameterCase::List:
            if (c.list.isPair())
                number = p.list->currentIndex() == 1 ? 1 : 0;
            else
                number = listValueOfItem(c.list, p.list->currentText());
            break;
        case ParameterCase::Slider:
            number = slider->value();
            break;
        case ParameterCase::Time:
            number = secondsOf(timeCtrl->time());
            break;
        }
        if (c.lowByte >= 0) {
            bytes[c.byte] = lowByte(number / 256);
            bytes[c.lowByte] = lowByte(number % 256);
        } else {
            bytes[c.byte] = lowByte(number);
        }
    }
    command.prm1 = bytes[0];
    command.prm2 = bytes[1];
    command.prm3 = bytes[2];
    command.prm4 = bytes[3];
    m_command = command;
}

void PageSettingRoomManagerMoodsDiyCommand::showCommand()
{
    labelCommandId->setText(QString::number(m_command.command_id));
    lineEditSubnet->setText(QString::number(m_command.subnet_id));
    lineEditDevice->setText(QString::number(m_command.device_id));

    // Two types share a value: the broadcast forms are the ones kept with prm1 255 (all areas, all channels),
    // which the plain forms cannot hold; so each command comes back under the form it was made with.
    QString item;
    const int wantedFlag = m_command.prm1 == 255 ? 1 : 0;
    for (const CommandTypeEntry &entry : commandTypesOfValue(m_command.command_type)) {
        if (item.isEmpty() || entry.flag == wantedFlag) {
            item = entry.item;
            if (entry.flag == wantedFlag)
                break;
        }
    }

    if (!item.isEmpty()) {
        const bool wasLoading = loading;
        loading = true;
        // A type the list does not offer (dim up, dim down) is listed only while a command of it is shown.
        while (comboBoxType->count() > offeredTypes)
            comboBoxType->removeItem(comboBoxType->count() - 1);
        int at = comboBoxType->findText(item);
        if (at < 0) {
            comboBoxType->addItem(item);
            at = comboBoxType->count() - 1;
        }
        comboBoxType->setCurrentIndex(at);
        loading = wasLoading;
    }
    fillPrm1();
    fillPrm2();
    fillPrm3();
    fillPrm4();
}

void PageSettingRoomManagerMoodsDiyCommand::comboBoxChange(int index)
{
    if (loading || index < 0)
        return;
    QObject *list = sender();
    if (list == comboBoxType) {
        fillPrm1();
        fillPrm2();
        fillPrm3();
        fillPrm4();
    } else if (list == parameters.at(0).list) {
        fillPrm2();
        fillPrm3();
        fillPrm4();
    } else if (list == parameters.at(1).list) {
        fillPrm3();
        fillPrm4();
    } else if (list == parameters.at(2).list) {
        fillPrm4();
    }
}

void PageSettingRoomManagerMoodsDiyCommand::textChanged(QString text)
{
    auto *field = qobject_cast<QLineEdit *>(sender());
    if (!field)
        return;
    int maximum = 255;
    for (int prm = 1; prm <= 4; ++prm) {
        if (field != parameters.at(prm - 1).field)
            continue;
        const ParameterCase c = caseOf(prm);
        if (c.input == ParameterCase::Field)
            maximum = c.maximum;
    }
    if (text.toInt() > maximum)
        field->setText(QString::number(maximum));
}

void PageSettingRoomManagerMoodsDiyCommand::valueChanged(int value)
{
    QtMaterialLabel *unit = parameters.at(1).unit;
    const QString text = unit->text();
    const int percent = text.indexOf(QLatin1Char('%'));
    if (percent < 0)
        return;
    unit->setText(text.left(percent) + QString::asprintf("%%%d)", value));
}

void PageSettingRoomManagerMoodsDiyCommand::resetTypeList()
{
    const bool wasLoading = loading;
    loading = true;
    const QStringList items = offeredCommandTypes();
    comboBoxType->clear();
    comboBoxType->addItems(items);
    offeredTypes = items.size();
    comboBoxType->setCurrentIndex(0);
    loading = wasLoading;
}

void PageSettingRoomManagerMoodsDiyCommand::newCommandForm(int commandId)
{
    m_command = moodCommandRecord{};
    labelCommandId->setText(QString::number(commandId));
    lineEditSubnet->clear();
    lineEditDevice->clear();
    resetTypeList();
    for (int prm = 1; prm <= 4; ++prm)
        hideParameter(prm);
    // The first type's inputs, left empty.
    parameters.at(0).field->show();
    parameters.at(1).field->show();
}

void PageSettingRoomManagerMoodsDiyCommand::slotsPageEnter(QString mood, QString room)
{
    if (!isVisible())
        return;
    m_position = 0;
    moodId = mood.toInt();
    roomId = room.toInt();
    commandList.clear();
    newCommandForm(1);

    commandList = loadMoodCommands(moodId, roomId);
    if (!commandList.isEmpty()) {
        m_command = commandList.first();
        showCommand();
    }
}

bool PageSettingRoomManagerMoodsDiyCommand::addressComplete()
{
    if (fieldNumber(lineEditSubnet) != 0 && fieldNumber(lineEditDevice) != 0)
        return true;
    emit gBroadcastSocket.signalsInformation(tr("Please input the complete content!"));
    return false;
}

void PageSettingRoomManagerMoodsDiyCommand::keepCommand()
{
    encodeCommand();
    for (moodCommandRecord &entry : commandList) {
        if (entry.command_id == m_command.command_id) {
            entry = m_command;
            return;
        }
    }
    commandList.append(m_command);
}

void PageSettingRoomManagerMoodsDiyCommand::pushButtonNext_clicked()
{
    if (!addressComplete())
        return;
    keepCommand();
    ++m_position;
    if (m_position < commandList.size()) {
        m_command = commandList.at(m_position);
        showCommand();
        return;
    }
    newCommandForm(labelCommandId->text().toInt() + 1);
}

void PageSettingRoomManagerMoodsDiyCommand::pushButtonPrev_clicked()
{
    if (!addressComplete())
        return;
    if (m_position <= 0) {
        emit gBroadcastSocket.signalsInformation(tr("End!"));
        return;
    }
    keepCommand();
    --m_position;
    m_command = commandList.at(qMin(m_position, commandList.size() - 1));
    showCommand();
}

void PageSettingRoomManagerMoodsDiyCommand::pushButtonSave_clicked()
{
    if (!addressComplete())
        return;
    keepCommand();
    if (!replaceMoodCommands(moodId, roomId, commandList)) {
        emit gBroadcastSocket.signalsInformation(tr("Save failed!"));
        return;
    }
    emit gBroadcastSocket.signalsPageIdChanged(trPageId(PageId::MoodsInformation), trPageId(PageId::MoodsInformation),
                                               QString::asprintf("%d-%d", moodId, roomId), tr("0"));
}
