#include "core/editor/explanation_texts.h"

// The strip's German text lines, menu by menu, as the transmitter's manual words them (leading
// blanks align the columns in the strip's font).

namespace core {

namespace {

// clang-format off
constexpr ExplanationLine kMenuLines[] = {
    // TIMR
    {3, kAllVersions, "MODE: UP             -> Der Timer zählt sekunden- und minutenweise aufwärts, beginnend bei TIME."},
    {3, kAllVersions, "             DOWN      -> Der Timer zählt sekunden- und minutenweise abwärts, beginnend bei TIME."},
    {3, kAllVersions, "             RYTHMIC -> Der Timer zählt von 0:00 aufwärts bis zur Zeit TIME, gibt dann ein Tonsignal aus und beginnt bei 0:00 erneut zu zählen."},
    {3, kAllVersions, "             LAP           -> Der ON-Switch dient als Taste. Es wird jeweils die Zeit zwischen den Tastendrücken und die Zahl der Tastendrücke aufgezeichnet."},
    {3, kV32Only, "P/C:     CLR           -> Der Zählerstand wird beim Ausschalten des Senders auf seinen Startwert zurückgesetzt."},
    {3, kV32Only, "             INH           -> Der Zählerstand bleibt auch über das Ausschalten des Senders erhalten."},
    // FUNC
    {21, kAllVersions, "NAME 1..8: Name für die verwendeten Funktionen. Die Namen hängen vom Modelltyp ab, können aber manuell verändert werden."},
    {21, kFromV31, "MODE:        SEPARATE - Die Verteilung der Funktionen auf die Steuergeber kann für verschiedene Flugzustände unterschiedlich sein."},
    {21, kFromV31, "                    GLOBAL      - Die Verteilung der Funktionen auf die Steuergeber ist bei allen Flugzustände gleich."},
    {21, kAllVersions, "SOURCE:    Verteilung der Steuergeber auf die Funktionen."},
    // F/S
    {22, kAllVersions, "MODE:                  FAILSAFE - Im Falle einer Empfangsstörung läuft das Servo in die unter POSITION hinterlegte Position."},
    {22, kAllVersions, "                              HOLD       - Im Falle einer Empfangsstörung bleibt das Servo in der zuletzt gültigen Position stehen."},
    {22, kAllVersions, "BATTERY MODE: INH          - Zu niedrige Empfängerakkuspannung wird nicht berücksichtigt."},
    {22, kAllVersions, "                              CH9          - Bei zu niedriger Empfängerakkuspannung wird der Kanal 9 in die Position THR/ABR POS gebracht."},
    {22, kAllVersions, "                              THR/ABR - Bei zu niedriger Empfängerakkuspannung wird die Gasfunktion in die Position THR/ABR POS gebracht."},
    // PARA
    {28, kAllVersions, "SPRACHE:  Die Sprache, in der die Funktionen und Ruder beschrieben werden, kann hier gewählt werden. Die Einstellung gilt dann für PC"},
    {28, kAllVersions, "                    und FC28."},
    {28, kAllVersions, "                    Hinweis: Verstellt man im FC28 Sender die Sprache, dann wird neben der Sprache der Ruder und Funktionen auch die Defaultsprache umgestellt."},
    {28, kAllVersions, "                    Die Defaultsprache bestimmt die Sprache neuer Modellspeicher, die Sprache nach Modellspeicher-Reset und die angezeigte Sprache bei Aufruf des"},
    {28, kAllVersions, "                    PARA-Menüs. Die Defaultsprache ist nicht in den Modellspeichern hinterlegt, weshalb sie mit dieser Software nicht geändert werden kann!"},
    {28, kAllVersions, "PCM/PPM:  Nach Änderung der Modulationsart, z.B. wenn ein Modellspeicher vom PC auf den aktuellen Modellspeicher im FC28-Sender übertragen,"},
    {28, kAllVersions, "                    wurde, muss der Sender aus- und eingeschaltet werden, damit in der neuen Modulationsart gesendet wird."},
    // TRIM
    {29, kFromV31, "MODE:                       SEPARATE - Die Trimwertspeicher können für jeden Flugzustand einen eigenen Trimmwert enthalten"},
    {29, kFromV31, "                                   GLOBAL      - Alle Flugzustände enthalten stets gleiche Trimmwerte. Wird ein Wert geändert, dann wird der neue Wert in alle anderen Flugzustände kopiert."},
    {29, kAllVersions, "RATE F1..F4:             Wirkung der Knüppeltrimmung, prozentual zum normalen Trimmweg."},
    {29, kAllVersions, "RATE CROSS TRIM: NORMAL     - Die Knüppeltrimmungen wirken auf die Funktion, neben der sie angebracht sind. CROSS - Die Knüppeltrimmungen der Funktion F2 und F3 sind vertauscht."},
    {29, kAllVersions, "RATE TH_ATL:         NORMAL      - Die Knüppeltrimmung des Gasknüppels hat eine normale Trimmung"},
    {29, kAllVersions, "                                  THR              - Die Knüppeltrimmung des Gasknüppels wirkt nur auf die Leerlaufposition (Leerlauftrimmung)."},
    {29, kV32Only, "TRIM MEMORY SW: Schalter mit dem die aktuelle Position der Knüppeltrimmung in die Trimmwertspeicher übernommen werden kann."},
    // CHSW
    {35, kV32Only, "MODE SW E..L:         NORMAL          - Kanalschalter ist oberhalb der Schaltschwelle ON, unterhalb der Schaltschwelle OFF"},
    {35, kV32Only, "                                   ALTERNATIVE - Beim ersten Überschreiten der Schwelle schaltet der Schalter ON, beim zweiten OFF usw."},
    {35, kAllVersions, "FUNCTION SW E..L: Funktion (Steuergeber) der den Kanalschalter steuert"},
    {35, kAllVersions, "OFFSET SW E..L:     Schaltschwelle für den Kanalschalter."},
    // SBTr
    {51, kFromV31, "MODE: GLOBAL      -  Wird in einem Flugzustand die Servomitte geändert, ändert sie sich für alle anderen Flugzustände mit,"},
    {51, kFromV31, "                                    damit haben alle Flugzustände immer die gleiche Mittelstellung."},
    {51, kFromV31, "             SEPARATE - Jeder Servo kann in jedem Flugzustand die eine andere Mittelposition haben."},
    {51, kAllVersions, "RATE:                      Servomittelposition."},
    // DIFF
    {56, kAllVersions, "2nd AIL:         Das 2. Querruder, das normalerweise auf Kanal 7 ausgegeben wird kann auf einen anderen Kanal gelegt werden, um z.B. mit"},
    {56, kAllVersions, "                       Empfängern mit weniger als 7 Kanälen arbeiten zu können."},
    {56, kAllVersions, "AIL LEFT:       (linkes Querruder oben,   CH1) - Ruderanteil in % vom Normalweg des linken  Querruders, wenn der Steuerknüppel nach links ausgeschlagen wird."},
    {56, kAllVersions, "AIL RIGHT:    (linkes Querruder unten,  CH1) - Ruderanteil in % vom Normalweg des linken  Querruders, wenn der Steuerknüppel nach rechts ausgeschlagen wird."},
    {56, kAllVersions, "AIL 2 LEFT:    (rechtes Querruder unten, CH7) - Ruderanteil in % vom Normalweg des rechten Querruders, wenn der Steuerknüppel nach links ausgeschlagen wird."},
    {56, kAllVersions, "AIL 2 RIGHT: (rechtes Querruder oben,  CH7) - Ruderanteil in % vom Normalweg des rechten Querruders, wenn der Steuerknüppel nach rechts ausgeschlagen wird."},
    // VTAL
    {57, kAllVersions, "ELE:         (Linkes Ruder,  CH2) - Ruderanteil in % vom Normalweg des linken  V-Leitwerksruders, wenn Steuerfunktion HÖHE betätigt wird."},
    {57, kAllVersions, "2nd ELE:  (rechtes Ruder, CH4) - Ruderanteil in % vom Normalweg des rechten V-Leitwerksruders, wenn Steuerfunktion SEITE betätigt wird."},
    {57, kAllVersions, "2nd RUD: (rechtes Ruder, CH4) - Ruderanteil in % vom Normalweg des rechten V-Leitwerksruders, wenn Steuerfunktion HÖHE betätigt wird."},
    {57, kAllVersions, "RUD:        (Linkes Ruder,  CH2) - Ruderanteil in % vom Normalweg des linken  V-Leitwerksruders, wenn Steuerfunktion SEITE betätigt wird."},
    // RUDD
    {58, kAllVersions, "RUD->AIL LEFT:     Mitnahme der Querruder in Prozent vom Normalweg, bei Ausschlag des Seitenruders nach links"},
    {58, kAllVersions, "RUD->AIL RIGHT:  Mitnahme der Querruder in Prozent vom Normalweg, bei Ausschlag des Seitenruders nach rechts"},
    {58, kAllVersions, "RUD->ELE LEFT:   Mitnahme des Höhenruders in Prozent vom Normalweg, bei Ausschlag des Seitenruders nach links"},
    {58, kAllVersions, "RUD->ELE RIGHT: Mitnahme des Höhenruders in Prozent vom Normalweg, bei Ausschlag des Seitenruders nach rechts"},
    // ELVN
    {59, kAllVersions, "AIL LEFT:     Ruderweg des linken Querruders in Prozent vom Normalweg, bei Querruderknüppel nach links"},
    {59, kAllVersions, "AIL RIGHT:   Ruderweg des linken Querruders in Prozent vom Normalweg, bei Querruderknüppel nach rechts"},
    {59, kAllVersions, "AIL2 LEFT:   Ruderweg des rechten Querruders in Prozent vom Normalweg, bei Querruderknüppel nach links"},
    {59, kAllVersions, "AIL2 RIGHT: Ruderweg des rechten Querruders in Prozent vom Normalweg, bei Querruderknüppel nach rechts"},
    {59, kAllVersions, "1st ELE:        Mitnahme des linken Querruders in Prozent vom Normalweg, bei Ausschlag des Höhenruderknüppels"},
    {59, kAllVersions, "2nd ELE:       Mitnahme des rechten Querruders in Prozent vom Normalweg, bei Ausschlag des Höhenruderknüppels"},
    // ABRK
    {61, kAllVersions, "ELE HI:           Mitnahme des Höhenruders bei Ansteuerung der Störklappen in Prozent vom Normalweg."},
    {61, kAllVersions, "ELE LO:          Mitnahme des Höhenruders bei Ansteuerung der Störklappen in entgegengesetzte Richtung in Prozent vom Normalweg."},
    {61, kAllVersions, "ELE OFFSET: Knüppelposition an der die Störklappen eingefahren (Ruhestellung) sind, für diese Position ist der Offset auf das Höhenruder 0%."},
    // TRM1, TRM2
    {162, kAllVersions, "DELAY:   Zeitverzögerung beim Auf- bzw Wegschalten der abgelegten Ruderoffsets."},
    {162, kAllVersions, "1st AIL:   Position des linken  Querruders, wenn Trimmoffset aktiv ist"},
    {162, kAllVersions, "2nd AIL:  Position des rechten Querruders, wenn Trimmoffset aktiv ist"},
    {162, kAllVersions, "1st SFL:  Position der linken  Wölbklappe, wenn Trimmoffset aktiv ist"},
    {162, kAllVersions, "2nd SFL: Position der rechten Wölbklappe, wenn Trimmoffset aktiv ist"},
    {162, kAllVersions, "ELE:        Position des Höhenruders, wenn Trimmoffset aktiv ist"},
    // FLPR
    {65, kAllVersions, "AIL LEFT/RIGHT:    Ruderweg des linken Querruders in Prozent vom Normalweg nach oben/unten, bei Querruderknüppel nach links/rechts"},
    {65, kAllVersions, "AIL2 LEFT/RIGHT:  Ruderweg des rechten Querruders in Prozent vom Normalweg nach unten/oben, bei Querruderknüppel nach links/rechts"},
    {65, kAllVersions, "TRIM:                       Trimwegeinstellung der Wölbklappentrimmung, Trimmung erfolgt über Externtrimmer"},
    {65, kAllVersions, "2ndAUX:                   Ruderweg des rechten Querruders in Prozent vom Normalweg, bei gemeinsamen Querruderausschlag (Flaperon)"},
    {65, kAllVersions, "AUX:                         Ruderweg des linken Querruders in Prozent vom Normalweg, bei gemeinsamen Querruderausschlag (Flaperon)"},
    {65, kAllVersions, "OFFSET:                   Neutralposition der gleichsinig laufenden Querruder (Flaperon), in dieser Position ist der Mischanteil auf die Querruder 0."},
    // BUTT
    {72, kAllVersions, "AIL DOWN:  Ausschlag der Querruder während Butterfly-Knüppel vorne ist."},
    {72, kAllVersions, "AIL UP:        Ausschlag der Querruder während Butterfly-Knüppel hinten ist."},
    {72, kAllVersions, "SFL DOWN: Ausschlag der Wölbklappen während Butterfly-Knüppel vorne ist."},
    {72, kAllVersions, "SFL UP:        Ausschlag der Wölbklappen während Butterfly-Knüppel hinten ist."},
    {72, kAllVersions, "OFFSET:      Knüppelposition an der der Butterfly neutral ist, für diese Position gibt es keinen Einfluss auf Querruder und Wölbklappen."},
    // BUTm
    {73, kAllVersions, "DOWN:    Ausschlag des Höhenruders während Butterfly-Knüppel vorne ist."},
    {73, kAllVersions, "UP:          Ausschlag des Höhenruders während Butterfly-Knüppel hinten ist."},
    {73, kAllVersions, "OFFSET: Knüppelposition an der der Butterfly neutral ist, für diese Position gibt es keinen Einfluss auf das Höhenruder."},
    // AILE
    {76, kAllVersions, "AIL->RUD LEFT:       Mitnahme des Seitenruders bei Querruderausschlag nach links in Prozent vom Normalweg."},
    {76, kAllVersions, "AIL->RUD RIGHT:     Mitnahme des Seitenruders bei Querruderausschlag nach rechts in Prozent vom Normalweg."},
    {76, kAllVersions, "AIL->SFL 1stLEFT:    Mitnahme der linken Wölbklappe bei Querruderausschlag nach links in Prozent vom Normalweg."},
    {76, kAllVersions, "AIL->SFL 1stRIGHT:  Mitnahme der linken Wölbklappe bei Querruderausschlag nach rechts in Prozent vom Normalweg."},
    {76, kAllVersions, "AIL->SFL 2ndLEFT:   Mitnahme der rechten Wölbklappe bei Querruderausschlag nach links in Prozent vom Normalweg."},
    {76, kAllVersions, "AIL->SFL 2ndRIGHT: Mitnahme der rechten Wölbklappe bei Querruderausschlag nach rechts in Prozent vom Normalweg."},
    // ELEV
    {77, kAllVersions, "ELE->SFL DOWN: Mitnahme der Wölbklappen bei Höhenruderausschlag nach unten in Prozent vom Normalweg."},
    {77, kAllVersions, "ELE->SFL UP:        Mitnahme der Wölbklappen bei Höhenruderausschlag nach oben in Prozent vom Normalweg."},
    // SFLP
    {175, kAllVersions, "SFL->ELE HI:           Mitnahme des Höhenruders bei Ansteuerung der Wölbklappen nach oben in Prozent vom Normalweg."},
    {175, kAllVersions, "SFL->ELE LO:          Mitnahme des Höhenruders bei Ansteuerung der Wölbklappen nach unten in Prozent vom Normalweg."},
    {175, kAllVersions, "SFL->ELE OFFSET: Knüppelposition an der die Wölbklappen neutral stehen, für diese Position ist der Offset auf das Höhenruder 0%."},
    {175, kAllVersions, "SFL->AIL DOWN:    Mitnahme der Querruder bei Ansteuerung der Wölbklappen nach unten in Prozent vom Normalweg."},
    {175, kAllVersions, "SFL->AIL UP:           Mitnahme der Querruder bei Ansteuerung der Wölbklappen nach oben in Prozent vom Normalweg."},
    // FLMx
    {275, kAllVersions, "FLPRN->ELE DOWN:   Mitnahme des Höhenruders in Prozent vom Normalweg, bei gleichsinnigem Ausschlag der Querruder (Flaperon) nach unten"},
    {275, kAllVersions, "FLPRN->ELE UP:         Mitnahme des Höhenruders in Prozent vom Normalweg, bei gleichsinnigem Ausschlag der Querruder (Flaperon) nach oben"},
    {275, kAllVersions, "FLPRN->ELE OFFSET: Neutralposition der gleichsinig laufenden Querruder (Flaperon), in dieser Position ist der Mischanteil auf das Höhenruder 0."},
    // PMX1 to PMX6
    {40, kV32Only, "MIX MODE: MIX       -> Die Steuergeberwegeinstellungen AFR und DR der Funktion MASTER werden für die Mischung berücksichtigt."},
    {40, kV32Only, "                    UNMIX -> Die Steuergeberwegeinstellungen AFR und DR werden für die Mischung umgangen."},
    {40, kAllVersions, "X:                 X-ON    -> Der Eingang kommt vom Ausgang eines anderen frei programmierbaren Mischer.           X-OFF -> Der Eingang kommt vom gewählten Steuergeber (Knüppel)."},
    {40, kAllVersions, "Y:                 Y-ON    -> Der Ausgang wird einem anderen frei programmierbaren Mischer zur Verfügung gestellt. Y-OFF -> Der Ausgang steht anderen freien Mischen nicht zur Verfügung."},
    {40, kAllVersions, "TRIM:          ON        -> Die Trimmung des als MASTER gewählten Steuergebers wird ebenfalls in den SLAVE gemischt."},
    {40, kAllVersions, "                    OFF       -> Die Trimmung des MASTER Steuergebers hat keinen Einfluss auf den SLAVE."},
    {40, kAllVersions, "DELAY EIN/AUS:         Verzögerungszeit für den Übergang der Servoposition beim Ein- bzw. Ausschalten des Mischers."},
    // D/R
    {16, kAllVersions, "Dual Rate sollte dort eingesetzt werden, wo der"},
    {16, kAllVersions, "Steuergeberweg per Schalter umschaltbar sein"},
    {16, kAllVersions, "soll. Für feste Steuergeberwege ist die Funktion"},
    {16, kAllVersions, "AFR (Steuergeberwegeinstellung) gedacht."},

};

constexpr ExplanationLine kModelTypeLines[] = {
    // GLIDER 2 SERVOS (2), GLIDER 4 SERVOS (4), GLIDER 5 SERVOS (8), ACRO (16), HELI (0x3E0), STANDARD (1)
    {2, kAllVersions, "Vorgefertigter Mischer für SEGLER, MOTORSEGLER oder ELEKTROSEGLER"},
    {2, kAllVersions, "mit zwei Querruderservos."},
    {2, kAllVersions, "Bei motorisierten Modellen ohne Störklappen, empfiehlt es sich die"},
    {2, kAllVersions, "Motorfunktion auf die Funktion der Störklappen zu legen"},
    {4, kAllVersions, "Vorgefertigter Mischer für SEGLER, MOTORSEGLER oder ELEKTROSEGLER"},
    {4, kAllVersions, "mit zwei Querruder- und zwei Wölbklappenservos."},
    {4, kAllVersions, "Bei motorisierten Modellen ohne Störklappen, empfiehlt es sich die"},
    {4, kAllVersions, "Motorfunktion auf die Funktion der Störklappen zu legen"},
    {8, kAllVersions, "Vorgefertigter Mischer für SEGLER, MOTORSEGLER oder ELEKTROSEGLER"},
    {8, kAllVersions, "mit zwei Querruder- und zwei Wölbklappenservos, sowie einer von"},
    {8, kAllVersions, "einem Servo gesteuerten Bremsklappe."},
    {8, kAllVersions, "Bei motorisierten Modellen ohne Störklappen, empfiehlt es sich die"},
    {8, kAllVersions, "Motorfunktion auf die Funktion der Störklappen zu legen"},
    {16, kAllVersions, "Vorgefertigter Mischer für MOTORFLUGZEUGE mit zwei Querruderservos."},
    {0x3E0, kAllVersions, "Vorgefertigter Mischer für HUBSCHRAUBER mit der gezeigten"},
    {0x3E0, kAllVersions, "Taumelscheibenanlenkung."},
    {1, kAllVersions, "Einstellung für einfache Modelle, für die kein vorgefertigter"},
    {1, kAllVersions, "Mischer verwendet werden soll."},
};
// clang-format on

}  // namespace

std::span<const ExplanationLine> MenuTextLines() { return kMenuLines; }

std::span<const ExplanationLine> ModelTypeTextLines() { return kModelTypeLines; }

}  // namespace core
