#pragma once

// Keys of the parameter definitions that code looks rows up by, and the three partner tables of
// the dependency rules. Several rows may share a key (the three SOURCE sets, the ATV channels).

namespace core {

namespace key {
// 1..36: mixing rates in DOWN/UP or LEFT/RIGHT pairs, see kSignPartners.
inline constexpr int kFuncMode = 37;          // FUNC "MODE" (GLOBAL/SEPARATE)
inline constexpr int kTrimMode = 38;          // TRIM "MODE"
inline constexpr int kSubTrimMode = 39;       // SBTr "MODE"
inline constexpr int kNeutralTrimMode = 40;   // NTRM "MODE"
inline constexpr int kSourceCh1 = 41;         // .. 48: "$CHNAMEn$ SOURCE CHn"
inline constexpr int kTrimRateF1 = 49;        // .. 52: TRIM "RATE F1".."RATE F4"
inline constexpr int kTrimMemoryF1 = 53;      // .. 56: TRIM "TRIM MEMORY F1".."F4"
inline constexpr int kSubTrimRate1 = 57;      // .. 64: SBTr "RATE $CHNAMEn$"
inline constexpr int kNeutralTrimCh5 = 65;    // NTRM "$CHNAME5$ ON/OFF"
inline constexpr int kNeutralTrimCh1 = 66;    // NTRM "$CHNAME1$ ON/OFF"
inline constexpr int kDiffOnOff = 67;         // DIFF "ON/OFF"
inline constexpr int kFlaperonOnOff = 68;     // FLPR "FLAPERON ON/OFF"
inline constexpr int kElevonOnOff = 69;       // ELVN "ON/OFF"
inline constexpr int kFunctionName1 = 70;     // .. 77: FUNC "NAME 1".."NAME 8"
inline constexpr int kLanguage = 78;          // "SPRACHE"
inline constexpr int kServoType = 79;         // "SERVOTYP"
inline constexpr int kModelType = 80;         // "MODELLTYP"
inline constexpr int kHeliType = 81;          // "HELITYP"
inline constexpr int kModelName = 82;         // "NAME"
inline constexpr int kConditionSwitch1 = 83;  // .. 86: "$FLIGHT1$".."$FLIGHT4$"
inline constexpr int kConditionName0 = 87;    // .. 91: "NAME NORMAL", "NAME FLIGHT1".."4"
inline constexpr int kAtvRateRightUp = 92;
inline constexpr int kAtvRateLeftDown = 93;
inline constexpr int kAtvLimitRightUp = 94;
inline constexpr int kAtvLimitLeftDown = 95;
inline constexpr int kAtvCenter = 96;
inline constexpr int kAtvMode = 97;
inline constexpr int kAfrRate1RightUp = 98;
inline constexpr int kAfrRate1LeftDown = 99;
inline constexpr int kAfrRate2RightUp = 100;
inline constexpr int kAfrRate2LeftDown = 101;
inline constexpr int kAfrType = 102;
// D/R k (1..3): base 103 + 10 (k - 1), then CH +0, RATE1 R/U +1, RATE1 L/D +2, RATE2 R/U +3,
// RATE2 L/D +4, TYPE +5.
inline constexpr int kDualRate1Ch = 103;
inline constexpr int kDualRate2Ch = 113;
inline constexpr int kDualRate3Ch = 123;
inline constexpr int kPmx1MasterFunction = 129;
inline constexpr int kPmx1Point1 = 130;  // .. 138
inline constexpr int kRevoPoint1 = 139;  // .. 147
inline constexpr int kRevoRateUp = 148;
inline constexpr int kRevoRateDown = 149;
inline constexpr int kRevoExpUp = 150;
inline constexpr int kRevoExpDown = 151;
inline constexpr int kRevoMode = 152;
inline constexpr int kPitchCurvePoint1 = 153;  // .. 161
inline constexpr int kPitchCurveHi = 162;
inline constexpr int kPitchCurveLo = 163;
inline constexpr int kHoverPitchRange = 164;
inline constexpr int kHoverPitchRate = 165;
inline constexpr int kThrottleCurvePoint1 = 166;  // .. 174
inline constexpr int kThrottleCurveHi = 175;
inline constexpr int kThrottleCurveLo = 176;
inline constexpr int kHoverThrottleRange = 177;
inline constexpr int kHoverThrottleRate = 178;
inline constexpr int kGyroPosi = 179;
inline constexpr int kGyroExp = 180;
}  // namespace key

struct KeyPair {
  int first;
  int second;
};

/// Sign partners: the two rates of a pair keep the same sign.
inline constexpr KeyPair kSignPartners[] = {
    {1, 4},   {2, 5},   {3, 6},   {7, 9},   {8, 10},  {11, 12}, {13, 14}, {15, 16}, {17, 18},
    {19, 20}, {21, 22}, {23, 24}, {25, 26}, {27, 28}, {29, 30}, {31, 32}, {33, 34}, {35, 36},
};
static_assert(sizeof(kSignPartners) / sizeof(kSignPartners[0]) == 18);

/// GLOBAL pairs (mode key, value key): a GLOBAL mode copies the value to all five conditions.
inline constexpr KeyPair kGlobalPairs[] = {
    {37, 41}, {37, 42}, {37, 43}, {37, 44}, {37, 45}, {37, 46}, {37, 47}, {37, 48}, {38, 49},
    {38, 50}, {38, 51}, {38, 52}, {38, 53}, {38, 54}, {38, 55}, {38, 56}, {39, 57}, {39, 58},
    {39, 59}, {39, 60}, {39, 61}, {39, 62}, {39, 63}, {39, 64}, {40, 65}, {40, 66},
};
static_assert(sizeof(kGlobalPairs) / sizeof(kGlobalPairs[0]) == 26);

/// ACT pairs: of DIFF, FLPR and ELVN at most one mix stays "ACT" in a condition.
inline constexpr KeyPair kActPairs[] = {{67, 68}, {68, 69}, {69, 67}};
static_assert(sizeof(kActPairs) / sizeof(kActPairs[0]) == 3);

}  // namespace core
