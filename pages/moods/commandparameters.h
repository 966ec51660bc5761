#pragma once
// What each parameter of a mood's free bus command shows and where its value is kept: by command type, and for
// panel control, audio player and UPB scene commands by the entries chosen in the lists before it. The DIY
// command editor fills, limits, encodes and shows its parameters from these cases.

#include "core/moodstore.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The command types of tbl_fnt_type policy 1, by their [index] (not by their value: two pairs share one).
enum MoodCommandType {
    InvalidSwitchType = 0,
    SceneSwitchType = 1,
    SequenceSwitchType = 2,
    UniversalSwitchType = 3,
    SingleChannelLightingType = 4,
    CurtainSwitchType = 5,
    SmsControlType = 6,
    PanelControlType = 7,
    BroadcastSceneType = 8,
    BroadcastChannelType = 9,
    SecurityModuleType = 10,
    AudioPlayerType = 11,
    UpbChannelType = 12,
    UpbSceneType = 13,
    ModbusCoilType = 14,
    ModbusRegisterType = 15,
    DimUpType = 16,
    DimDownType = 17,
    ZigbeeChannelType = 18
};

// A list of named byte values: one list of a command vocabulary (vocabulary and policy), or a built-in pair whose
// first entry stands for 0 and whose second for 1.
struct ParameterList
{
    CommandVocabulary vocabulary = CommandVocabulary::FunctionParameters;
    int policy = 0;
    QStringList pair; // empty for a vocabulary list

    bool isPair() const { return !pair.isEmpty(); }
};

struct ParameterCase
{
    enum Input { None, Field, List, Slider, Time, Fixed };

    Input input = None;
    // Text right of the input; for the slider a format with one %d, the slider's value.
    QString unit;
    // Largest number a field takes.
    int maximum = 255;
    ParameterList list;
    // The text a fixed (disabled) field shows; it always stands for 255.
    QString fixedText;
    // The byte (0 to 3 for prm1 to prm4) the input is kept in; for a two-byte value its high byte.
    int byte = -1;
    // The low byte of a two-byte value (high byte first), else -1.
    int lowByte = -1;
    // The row's label ("Prm2:") is hidden as well.
    bool hideLabel = false;
};

// The case of parameter prm (1 to 4) for the command type (its [index]); chosen holds, for each parameter before
// prm, the [index] of the entry chosen in its list (or the position in a built-in pair), -1 where that parameter
// shows no list.
ParameterCase parameterCase(int type, int prm, const QVector<int> &chosen);
