#include "pages/moods/commandparameters.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PageSettingRoomManagerMoodsDiyCommand", text);
}

constexpr CommandVocabulary fntPrm1 = CommandVocabulary::FunctionParameters;
constexpr CommandVocabulary comp2 = CommandVocabulary::Comp2Items;
constexpr CommandVocabulary comp3 = CommandVocabulary::Comp3Items;

ParameterCase none()
{
    return {};
}

ParameterCase field(int byte, const QString &unit = QString(), int maximum = 255)
{
    ParameterCase c;
    c.input = ParameterCase::Field;
    c.unit = unit;
    c.maximum = maximum;
    c.byte = byte;
    return c;
}

// A number kept in two bytes, high byte first.
ParameterCase wordField(int high, int low, const QString &unit, int maximum)
{
    ParameterCase c = field(high, unit, maximum);
    c.lowByte = low;
    return c;
}

ParameterCase list(int byte, CommandVocabulary vocabulary, int policy, const QString &unit = QString())
{
    ParameterCase c;
    c.input = ParameterCase::List;
    c.unit = unit;
    c.list.vocabulary = vocabulary;
    c.list.policy = policy;
    c.byte = byte;
    return c;
}

ParameterCase pair(int byte, const char *first, const char *second, const QString &unit = QString())
{
    ParameterCase c;
    c.input = ParameterCase::List;
    c.unit = unit;
    c.list.pair = QStringList{tr(first), tr(second)};
    c.byte = byte;
    return c;
}

ParameterCase switchStatus(int byte)
{
    return pair(byte, QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsDiyCommand", "Off"),
                QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsDiyCommand", "On"), tr("(Switch Status)"));
}

ParameterCase slider(int byte, const QString &unit)
{
    ParameterCase c;
    c.input = ParameterCase::Slider;
    c.unit = unit;
    c.byte = byte;
    return c;
}

// Minutes and seconds, kept as their sum in seconds in two bytes.
ParameterCase runningTime()
{
    ParameterCase c;
    c.input = ParameterCase::Time;
    c.unit = tr("(Running Time(mm:ss))");
    c.byte = 2;
    c.lowByte = 3;
    return c;
}

ParameterCase fixed(const QString &text)
{
    ParameterCase c;
    c.input = ParameterCase::Fixed;
    c.fixedText = text;
    c.byte = 0;
    return c;
}

QString degreesUnit()
{
    return tr("\u00b0C(Temperature)");
}

int chosenAt(const QVector<int> &chosen, int prm)
{
    return prm - 1 < chosen.size() ? chosen.at(prm - 1) : -1;
}

// The parameter after a list of panel AC actions (tbl_comp2_item policy 13), by the action's [index].
ParameterCase acAction(int byte, int action)
{
    switch (action) {
    case 0: // AC Power
        return switchStatus(byte);
    case 1: // Set Temperature
        return list(byte, comp2, 3, tr("(Temperature)"));
    case 2: // AC Speed
        return list(byte, comp2, 4, tr("(FAN Speed)"));
    case 3: // AC Mode
        return list(byte, comp2, 5, tr("(Mode)"));
    case 4: // Rise
    case 5: // Reduce
        return field(byte);
    default:
        return none();
    }
}

// Panel control: the function chosen in Prm1 (tbl_fnt_prm1 policy 2) decides the rest.
ParameterCase panelControl(int prm, const QVector<int> &chosen)
{
    if (prm == 1)
        return list(0, fntPrm1, 2);
    const int function = chosenAt(chosen, 1);
    if (prm == 2) {
        switch (function) {
        case 1:  // IR Receiver
        case 2:  // Lock Key Of Panel
        case 3:  // AC Power
        case 11: // LCD Backlight
        case 12: // Lock AC Page
        case 13: // LCD Backlight New
        case 20: // Floor Heating Power
            return switchStatus(1);
        case 4:  // AC Cooling Setpoint
        case 7:  // AC Heating Setpoint
        case 8:  // AC Auto Setpoint
        case 19: // Dry Temperature
        case 23: // AC FAN Temperature
        case 24: // Floor Heating Setpoint
            return field(1, degreesUnit());
        case 5:
            return list(1, comp2, 4, tr("(FAN Speed)"));
        case 6:
            return list(1, comp2, 5, tr("(Mode)"));
        case 9:  // Rise Temperature
        case 10: // Reduce Temperature
            return field(1, QString(), 5);
        case 14: // LCD Status Light
            return slider(1, tr("(Intensity %%%d)"));
        case 15: // Lock Button
        case 16: // Lock Page
        case 17: // Control Button Status
        case 18: // Control Button
            return field(1);
        case 21:
            return list(1, comp2, 6);
        case 22: // Goto Page
            return field(1, QString(), 30);
        case 37: // Panel AC x
            return field(1, tr("(AC NO.)"));
        case 38: // Panel FH x
            return field(1, tr("(FH NO.)"));
        default:
            if (function >= 25 && function <= 33) // Panel AC 1 to 8, Panel AC All
                return list(1, comp2, 13);
            if (function >= 34 && function <= 36) // Panel Heat 1, 2, All
                return list(1, comp2, 14);
            ParameterCase hidden = none();
            hidden.hideLabel = function == 0;
            return hidden;
        }
    }
    if (prm == 3) {
        if (function >= 15 && function <= 18)
            return pair(2, QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsDiyCommand", "Invalid"),
                        QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsDiyCommand", "Valid"));
        if (function >= 25 && function <= 33)
            return acAction(2, chosenAt(chosen, 2));
        if (function >= 34 && function <= 36) {
            switch (chosenAt(chosen, 2)) {
            case 0: // Floor Heater Power
                return switchStatus(2);
            case 1: // Set Temperature
                return list(2, comp2, 3, tr("(Temperature)"));
            default:
                return none();
            }
        }
        if (function == 37)
            return list(2, comp2, 13);
        if (function == 38)
            return list(2, comp2, 15);
        return none();
    }
    if (function == 37)
        return acAction(3, chosenAt(chosen, 3));
    if (function == 38) {
        switch (chosenAt(chosen, 3)) {
        case 0: // Floor Heater Power
            return switchStatus(3);
        case 1: // Set Temperature
            return list(3, comp2, 3, tr("(Temperature)"));
        case 2: // Rise
        case 3: // Reduce
            return field(3);
        default:
            return none();
        }
    }
    return none();
}

// Audio player: the group chosen in Prm1 (tbl_fnt_prm1 policy 3) decides the rest.
ParameterCase audioPlayer(int prm, const QVector<int> &chosen)
{
    if (prm == 1)
        return list(0, fntPrm1, 3);
    const int group = chosenAt(chosen, 1);
    if (prm == 2) {
        switch (group) {
        case 0:
            return list(1, comp2, 8);
        case 1:
            return list(1, comp2, 9);
        case 2:
            return list(1, comp2, 10);
        case 3:
            return list(1, comp2, 11);
        case 4:
            return list(1, comp2, 12);
        case 5: // Play Specify Song: the play list
            return field(1);
        default:
            return none();
        }
    }
    const int second = chosenAt(chosen, 2);
    if (prm == 3) {
        switch (group) {
        case 0: // Source Control
        case 3: // Play Control
            return field(2, tr("(ZONE NO.)"));
        case 2: // Play List/Radio Channel: a number only for "Specify Play List No" and "Specify Radio Channel"
            return second == 2 || second == 5 ? field(2) : none();
        case 4: // Volume Control: zone actions for VOL, tone steps for TREBLE and BASS
            if (second == 0)
                return list(2, comp3, 3);
            return second == 1 || second == 2 ? list(2, comp3, 2) : none();
        case 5: // Play Specify Song: the song number
            return wordField(2, 3, QString(), 999);
        default:
            return none();
        }
    }
    if (group == 4 && second == 0) {
        const int zoneAction = chosenAt(chosen, 3);
        if (zoneAction >= 0 && zoneAction % 4 == 2) // ZoneN VOL Value
            return list(3, comp3, 4);
        if (zoneAction >= 0 && zoneAction % 4 == 3) // ZoneN Mute
            return list(3, comp3, 5);
    }
    return none();
}

} // namespace

ParameterCase parameterCase(int type, int prm, const QVector<int> &chosen)
{
    if (prm < 1 || prm > 4)
        return none();
    switch (type) {
    case InvalidSwitchType:
        return prm <= 2 ? field(prm - 1) : none();
    case SceneSwitchType: {
        const ParameterCase cases[] = {field(0, tr("(Area NO.)"), 48), field(1, tr("(Scene NO.)"))};
        return prm <= 2 ? cases[prm - 1] : none();
    }
    case SequenceSwitchType: {
        const ParameterCase cases[] = {field(0, tr("(Area NO.)"), 48), field(1, tr("(Sequene NO.)"), 99)};
        return prm <= 2 ? cases[prm - 1] : none();
    }
    case UniversalSwitchType: {
        const ParameterCase cases[] = {field(0, tr("(Switch NO.)")), list(1, comp2, 1, tr("(Switch Status)")),
                                       field(2, tr("(Second)"), 60)};
        return prm <= 3 ? cases[prm - 1] : none();
    }
    case SingleChannelLightingType: {
        const ParameterCase cases[] = {field(0, tr("(Channel NO.)"), 240), slider(1, tr("(Intensity %%%d)")),
                                       runningTime()};
        return prm <= 3 ? cases[prm - 1] : none();
    }
    case CurtainSwitchType: {
        const ParameterCase cases[] = {field(0, tr("(Switch NO.)"), 99), list(1, comp2, 2, tr("(Switch Status)"))};
        return prm <= 2 ? cases[prm - 1] : none();
    }
    case SmsControlType: {
        const ParameterCase cases[] = {list(0, fntPrm1, 1), field(1, tr("(NO.)"), 24)};
        return prm <= 2 ? cases[prm - 1] : none();
    }
    case PanelControlType:
        return panelControl(prm, chosen);
    case BroadcastSceneType: {
        const ParameterCase cases[] = {fixed(tr("All Areas")), field(1, tr("(Scene NO.)"))};
        return prm <= 2 ? cases[prm - 1] : none();
    }
    case BroadcastChannelType: {
        const ParameterCase cases[] = {fixed(tr("All Channels")), slider(1, tr("(Intensity %%%d)")), runningTime()};
        return prm <= 3 ? cases[prm - 1] : none();
    }
    case SecurityModuleType: {
        const ParameterCase cases[] = {field(0, tr("(Area NO.)")), list(1, comp2, 7)};
        return prm <= 2 ? cases[prm - 1] : none();
    }
    case AudioPlayerType:
        return audioPlayer(prm, chosen);
    case UpbChannelType: {
        const ParameterCase cases[] = {field(0, tr("(UID)"), 250), field(1, tr("(Channel NO.)")),
                                       field(2, tr("(Level)"), 100), field(3, tr("(Fade)"), 15)};
        return cases[prm - 1];
    }
    case UpbSceneType:
        switch (prm) {
        case 1:
            return field(0, tr("(Scene ID)"), 250);
        case 2:
            return pair(1, QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsDiyCommand", "Scene"),
                        QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsDiyCommand", "Go To Level"));
        case 3:
            if (chosenAt(chosen, 2) == 1) // Go To Level
                return field(2, tr("(Level)"), 100);
            return pair(2, QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsDiyCommand", "Deactivate"),
                        QT_TRANSLATE_NOOP("PageSettingRoomManagerMoodsDiyCommand", "Activate"));
        default:
            return field(3, tr("(Fade)"), 15);
        }
    case ModbusCoilType:
        // The coil state is chosen in Prm2 but kept in prm3, after the two address bytes.
        if (prm == 1)
            return wordField(0, 1, tr("(Address NO.)"), 9999);
        return prm == 2 ? switchStatus(2) : none();
    case ModbusRegisterType:
        if (prm == 1)
            return wordField(0, 1, tr("(Address NO.)"), 9999);
        return prm == 2 ? wordField(2, 3, QString(), 65535) : none();
    case DimUpType:
    case DimDownType: {
        const ParameterCase cases[] = {field(0, tr("(Channel NO.)")), slider(1, tr("(Percent %%%d)"))};
        return prm <= 2 ? cases[prm - 1] : none();
    }
    case ZigbeeChannelType: {
        const ParameterCase cases[] = {field(0, tr("(Channel NO.)")), field(1, tr("(Level)")), field(2, tr("(Hue)")),
                                       field(3, tr("(Time)"))};
        return cases[prm - 1];
    }
    default:
        return none();
    }
}
