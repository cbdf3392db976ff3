<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>BlinkModel</name>
    <message>
        <source>Ungültige Eingabe.<byte value="xd"/>Zugelassen sind nur Zahlen im Werte-Bereich 1..</source>
        <translation>Invalid entry.<byte value="xd"/>Only numbers in the range 1..</translation>
    </message>
</context>
<context>
    <name>BlinkPatternView</name>
    <message>
        <source>Parameter für ...</source>
        <translation>Settings for ...</translation>
    </message>
    <message>
        <source>Adresse %1</source>
        <translation>Address %1</translation>
    </message>
    <message>
        <source>Auswahl, für welche Adresse die Angezeigten Parameter gültig sind</source>
        <translation>Chooses the address the settings shown apply to</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Ablauf wieder immer wieder neu gestartet</source>
        <translation>The sequence starts over again and again</translation>
    </message>
    <message>
        <source>Stretch-Faktor</source>
        <translation>Stretch factor</translation>
    </message>
    <message>
        <source>ermöglicht es, den Ablauf zu Verlangsamen</source>
        <translation>slows the sequence down</translation>
    </message>
    <message>
        <source>Anzahl Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Anzahl der Kurven-Punkte</source>
        <translation>Number of points of the curve</translation>
    </message>
    <message>
        <source>Kurve kopieren</source>
        <translation>Copy curve</translation>
    </message>
    <message>
        <source>von #%1</source>
        <translation>from #%1</translation>
    </message>
    <message>
        <source>Kopieren der Kurvenformen von Adresse %1</source>
        <translation>Copies the curves of address %1</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Spielt das Muster der gezeigten Adresse in Echtzeit ab</source>
        <translation>Plays the pattern of the shown address in real time</translation>
    </message>
    <message>
        <source>Ausgang %1 beim Abspielen</source>
        <translation>Output %1 while playing</translation>
    </message>
</context>
<context>
    <name>BlinkPatterns</name>
    <message>
        <source>Zeit-Raster = </source>
        <translation>Time step = </translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Gesamtzeit = </source>
        <translation>Total time = </translation>
    </message>
</context>
<context>
    <name>ByteEntry</name>
    <message>
        <source>Ungültige Eingabe.<byte value="xd"/>Zugelassen sind nur Zahlen</source>
        <translation>Invalid entry.<byte value="xd"/>Only numbers are allowed</translation>
    </message>
</context>
<context>
    <name>CurveEditor</name>
    <message>
        <source>Ungültige Eingabe.<byte value="xd"/>Zugelassen sind nur Zahlen im Werte-Bereich 1..%1</source>
        <translation>Invalid entry.<byte value="xd"/>Only numbers in the range 1..%1</translation>
    </message>
    <message>
        <source>wie Adr.%1</source>
        <translation>as addr. %1</translation>
    </message>
    <message>
        <source>Zeit zwischen 2 Punkten = %1 ms</source>
        <translation>Time between 2 points = %1 ms</translation>
    </message>
    <message>
        <source>Gesamtzeit für diese Kurve = %1 ms</source>
        <translation>Total time of this curve = %1 ms</translation>
    </message>
    <message>
        <source>Taster %1 close</source>
        <translation>Button %1 close</translation>
    </message>
    <message>
        <source>Taster %1 open</source>
        <translation>Button %1 open</translation>
    </message>
    <message>
        <source>keine Aktion</source>
        <translation>no action</translation>
    </message>
    <message>
        <source>Adr.-Lernen</source>
        <translation>Learn addr.</translation>
    </message>
</context>
<context>
    <name>CurveFiles</name>
    <message>
        <source>Dieses File enthält ungültige Zeichen (kein Zahlenwert) in Zeile %1</source>
        <translation>This file holds invalid characters (not a number) in line %1</translation>
    </message>
    <message>
        <source>Nur die ersten 100 Zeilen dieses File werden verwendet</source>
        <translation>Only the first 100 lines of this file are used</translation>
    </message>
    <message>
        <source>Dieses File hat zu viele Zeilen (max. 512)</source>
        <translation>This file has too many lines (max. 512)</translation>
    </message>
    <message>
        <source>Dieses File enthält einen Wert außerhalb von 0 bis 255 in Zeile %1</source>
        <translation>This file holds a value outside 0 to 255 in line %1</translation>
    </message>
    <message>
        <source>Dieses File ist leer</source>
        <translation>This file is empty</translation>
    </message>
    <message>
        <source>Dieses File endet nach Zeile %1; %2 Zeilen erwartet</source>
        <translation>This file ends after line %1; %2 lines expected</translation>
    </message>
</context>
<context>
    <name>CurvePlayback</name>
    <message>
        <source>Spielt die gezeigte Kurve in Echtzeit ab</source>
        <translation>Plays the shown curve in real time</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Die Kurve immer wieder abspielen</source>
        <translation>Play the curve again and again</translation>
    </message>
    <message>
        <source>Relais beim Abspielen</source>
        <translation>Relay while playing</translation>
    </message>
</context>
<context>
    <name>CurveShapes</name>
    <message>
        <source>Ungültige Eingabe.<byte value="xd"/>Zugelassen sind nur Zahlen im Werte-Bereich 0.1 .. 10</source>
        <translation>Invalid entry.<byte value="xd"/>Only numbers in the range 0.1 .. 10</translation>
    </message>
    <message>
        <source>Ungültige Eingabe.<byte value="xd"/>Zugelassen sind nur Zahlen im Werte-Bereich -100 .. 100</source>
        <translation>Invalid entry.<byte value="xd"/>Only numbers in the range -100 .. 100</translation>
    </message>
</context>
<context>
    <name>CurveTimeline</name>
    <message>
        <source>Position = %1</source>
        <translation>Position = %1</translation>
    </message>
    <message>
        <source>Position = %1, Impuls-Zeit = %2 ms</source>
        <translation>Position = %1, pulse time = %2 ms</translation>
    </message>
</context>
<context>
    <name>CvTable</name>
    <message>
        <source>CV1: Kurze Adresse</source>
        <translation>CV1: Short address</translation>
    </message>
    <message>
        <source>CV15: Dekoder Sperren</source>
        <translation>CV15: Decoder lock</translation>
    </message>
    <message>
        <source>CV16: Dekoder Sperren</source>
        <translation>CV16: Decoder lock</translation>
    </message>
    <message>
        <source>CV17: Lange Adresse L</source>
        <translation>CV17: Long address L</translation>
    </message>
    <message>
        <source>CV18: Lange Adresse H</source>
        <translation>CV18: Long address H</translation>
    </message>
    <message>
        <source>CV29: Konfiguration</source>
        <translation>CV29: Configuration</translation>
    </message>
    <message>
        <source>CV48: Dekoder Betriebsart 1</source>
        <translation>CV48: Decoder mode 1</translation>
    </message>
    <message>
        <source>CV50: Verzögerung 1</source>
        <translation>CV50: Delay 1</translation>
    </message>
    <message>
        <source>CV52: PWM-Wert 1</source>
        <translation>CV52: PWM value 1</translation>
    </message>
    <message>
        <source>CV53: PWM-Wert 2</source>
        <translation>CV53: PWM value 2</translation>
    </message>
    <message>
        <source>CV54: Länge Neon-Effekt</source>
        <translation>CV54: Neon effect length</translation>
    </message>
    <message>
        <source>CV61: Blinker Frequenz</source>
        <translation>CV61: Indicator frequency</translation>
    </message>
    <message>
        <source>CV62: Bremslicht Dauer</source>
        <translation>CV62: Brake light time</translation>
    </message>
    <message>
        <source>CV63: Bremslicht Schwelle</source>
        <translation>CV63: Brake light threshold</translation>
    </message>
    <message>
        <source>CV64: Bremslicht Dauer Stand</source>
        <translation>CV64: Brake light time at stop</translation>
    </message>
    <message>
        <source>CV115: LISSY: Zug-Kategorie (1-4)</source>
        <translation>CV115: LISSY: train category (1-4)</translation>
    </message>
    <message>
        <source>CV140: Mapping Befehl 1</source>
        <translation>CV140: Mapping command 1</translation>
    </message>
    <message>
        <source>CV141: Mapping Befehl 2</source>
        <translation>CV141: Mapping command 2</translation>
    </message>
    <message>
        <source>CV142: Mapping Befehl 3</source>
        <translation>CV142: Mapping command 3</translation>
    </message>
    <message>
        <source>CV143: Mapping Befehl 4</source>
        <translation>CV143: Mapping command 4</translation>
    </message>
    <message>
        <source>CV144: Mapping Befehl 5</source>
        <translation>CV144: Mapping command 5</translation>
    </message>
    <message>
        <source>CV150: Betriebs-Art Out 1</source>
        <translation>CV150: Mode of Out 1</translation>
    </message>
    <message>
        <source>CV151: Betriebs-Art Out 2</source>
        <translation>CV151: Mode of Out 2</translation>
    </message>
    <message>
        <source>CV152: Betriebs-Art Out 3</source>
        <translation>CV152: Mode of Out 3</translation>
    </message>
    <message>
        <source>CV153: Betriebs-Art Out 4</source>
        <translation>CV153: Mode of Out 4</translation>
    </message>
</context>
<context>
    <name>DecoderTypes</name>
    <message>
        <source>Licht</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Turn (180°)</source>
        <translation>Turn (180°)</translation>
    </message>
    <message>
        <source>Drehrichtung</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Weiche</source>
        <translation>Turnout</translation>
    </message>
    <message>
        <source>Blinken</source>
        <translation>Flashing</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Weiche 1</source>
        <translation>Turnout 1</translation>
    </message>
    <message>
        <source>Weiche 2</source>
        <translation>Turnout 2</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Signal 1 grün</source>
        <translation>Signal 1 green</translation>
    </message>
    <message>
        <source>Signal 1 rot</source>
        <translation>Signal 1 red</translation>
    </message>
    <message>
        <source>Signal 2 grün</source>
        <translation>Signal 2 green</translation>
    </message>
    <message>
        <source>Signal 2 rot</source>
        <translation>Signal 2 red</translation>
    </message>
    <message>
        <source>Out 1</source>
        <translation>Out 1</translation>
    </message>
    <message>
        <source>Out 2</source>
        <translation>Out 2</translation>
    </message>
    <message>
        <source>Out 3</source>
        <translation>Out 3</translation>
    </message>
    <message>
        <source>Out 4</source>
        <translation>Out 4</translation>
    </message>
    <message>
        <source>VS Vmax</source>
        <translation>VS Vmax</translation>
    </message>
    <message>
        <source>VS Halt</source>
        <translation>VS Stop</translation>
    </message>
    <message>
        <source>VS 100</source>
        <translation>VS 100</translation>
    </message>
    <message>
        <source>VS 40/60</source>
        <translation>VS 40/60</translation>
    </message>
    <message>
        <source>HS Vmax</source>
        <translation>HS Vmax</translation>
    </message>
    <message>
        <source>HS Halt</source>
        <translation>HS Stop</translation>
    </message>
    <message>
        <source>HS 100/40/60</source>
        <translation>HS 100/40/60</translation>
    </message>
    <message>
        <source>Kennlicht</source>
        <translation>Marker light</translation>
    </message>
    <message>
        <source>Out 3 (FL)</source>
        <translation>Out 3 (FL)</translation>
    </message>
    <message>
        <source>Blink 1</source>
        <translation>Blink 1</translation>
    </message>
    <message>
        <source>Blink 2</source>
        <translation>Blink 2</translation>
    </message>
    <message>
        <source>Blink 3</source>
        <translation>Blink 3</translation>
    </message>
    <message>
        <source>Blink 4</source>
        <translation>Blink 4</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Hell-Dunkel</source>
        <translation>Bright/dim</translation>
    </message>
    <message>
        <source>Out 5</source>
        <translation>Out 5</translation>
    </message>
    <message>
        <source>Out 6</source>
        <translation>Out 6</translation>
    </message>
    <message>
        <source>Out 7</source>
        <translation>Out 7</translation>
    </message>
    <message>
        <source>Out 8</source>
        <translation>Out 8</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Weiche 3</source>
        <translation>Turnout 3</translation>
    </message>
    <message>
        <source>Weiche 4</source>
        <translation>Turnout 4</translation>
    </message>
    <message>
        <source>Out 9</source>
        <translation>Out 9</translation>
    </message>
    <message>
        <source>Out 10</source>
        <translation>Out 10</translation>
    </message>
    <message>
        <source>Signal 1</source>
        <translation>Signal 1</translation>
    </message>
    <message>
        <source>Signal 2</source>
        <translation>Signal 2</translation>
    </message>
    <message>
        <source>Signal 3</source>
        <translation>Signal 3</translation>
    </message>
    <message>
        <source>Signal 4</source>
        <translation>Signal 4</translation>
    </message>
    <message>
        <source>Signal 5</source>
        <translation>Signal 5</translation>
    </message>
    <message>
        <source>HP00</source>
        <translation>HP00</translation>
    </message>
    <message>
        <source>HP1</source>
        <translation>HP1</translation>
    </message>
    <message>
        <source>HP2</source>
        <translation>HP2</translation>
    </message>
    <message>
        <source>SH1</source>
        <translation>SH1</translation>
    </message>
    <message>
        <source>VR0</source>
        <translation>VR0</translation>
    </message>
    <message>
        <source>VR1</source>
        <translation>VR1</translation>
    </message>
    <message>
        <source>VR2</source>
        <translation>VR2</translation>
    </message>
    <message>
        <source>HALT</source>
        <translation>HALT</translation>
    </message>
    <message>
        <source>FB1</source>
        <translation>FB1</translation>
    </message>
    <message>
        <source>FB2</source>
        <translation>FB2</translation>
    </message>
    <message>
        <source>FB3</source>
        <translation>FB3</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Nacht</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Lauf</source>
        <translation>Chaser</translation>
    </message>
    <message>
        <source>Leit</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Foto</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Out 9 (FL)</source>
        <translation>Out 9 (FL)</translation>
    </message>
    <message>
        <source>Hp0</source>
        <translation>Hp0</translation>
    </message>
    <message>
        <source>Hp1</source>
        <translation>Hp1</translation>
    </message>
    <message>
        <source>Hp2</source>
        <translation>Hp2</translation>
    </message>
    <message>
        <source>Hp0+Zs</source>
        <translation>Hp0+Zs</translation>
    </message>
    <message>
        <source>Hp1+Zs3</source>
        <translation>Hp1+Zs3</translation>
    </message>
    <message>
        <source>Hp2+Zs3</source>
        <translation>Hp2+Zs3</translation>
    </message>
    <message>
        <source>Vr0</source>
        <translation>Vr0</translation>
    </message>
    <message>
        <source>Vr1</source>
        <translation>Vr1</translation>
    </message>
    <message>
        <source>Vr2</source>
        <translation>Vr2</translation>
    </message>
    <message>
        <source>Hp00</source>
        <translation>Hp00</translation>
    </message>
    <message>
        <source>Hp0+Sh1</source>
        <translation>Hp0+Sh1</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Frei</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Frei 40</source>
        <translation>Clear 40</translation>
    </message>
    <message>
        <source>Frei 60</source>
        <translation>Clear 60</translation>
    </message>
    <message>
        <source>Frei 40/60</source>
        <translation>Clear 40/60</translation>
    </message>
    <message>
        <source>Verschub</source>
        <translation>Shunting</translation>
    </message>
    <message>
        <source>Ersatz</source>
        <translation>Substitute</translation>
    </message>
    <message>
        <source>HS 40</source>
        <translation>HS 40</translation>
    </message>
    <message>
        <source>HS 60</source>
        <translation>HS 60</translation>
    </message>
    <message>
        <source>HS 100</source>
        <translation>HS 100</translation>
    </message>
    <message>
        <source>HS Zs1</source>
        <translation>HS Zs1</translation>
    </message>
    <message>
        <source>HS Ra12</source>
        <translation>HS Ra12</translation>
    </message>
    <message>
        <source>VS 40</source>
        <translation>VS 40</translation>
    </message>
    <message>
        <source>VS 60</source>
        <translation>VS 60</translation>
    </message>
    <message>
        <source>VS Zs1</source>
        <translation>VS Zs1</translation>
    </message>
    <message>
        <source>VS Ra12</source>
        <translation>VS Ra12</translation>
    </message>
    <message>
        <source>HS Ersatz</source>
        <translation>HS Subst.</translation>
    </message>
    <message>
        <source>HS Rangier</source>
        <translation>HS Shunt</translation>
    </message>
    <message>
        <source>VS Ersatz</source>
        <translation>VS Subst.</translation>
    </message>
    <message>
        <source>VS Rangier</source>
        <translation>VS Shunt</translation>
    </message>
    <message>
        <source>HS Hp0</source>
        <translation>HS Hp0</translation>
    </message>
    <message>
        <source>HS Ks1</source>
        <translation>HS Ks1</translation>
    </message>
    <message>
        <source>HS Ks1/Zs3</source>
        <translation>HS Ks1/Zs3</translation>
    </message>
    <message>
        <source>HS Ks1/Zs1</source>
        <translation>HS Ks1/Zs1</translation>
    </message>
    <message>
        <source>HS Ks1/Sh1</source>
        <translation>HS Ks1/Sh1</translation>
    </message>
    <message>
        <source>HS Ks1/Zs7</source>
        <translation>HS Ks1/Zs7</translation>
    </message>
    <message>
        <source>HS Kennl.</source>
        <translation>HS Marker</translation>
    </message>
    <message>
        <source>VS Ks2</source>
        <translation>VS Ks2</translation>
    </message>
    <message>
        <source>VS Ks1</source>
        <translation>VS Ks1</translation>
    </message>
    <message>
        <source>VS Ks1/Zs3v</source>
        <translation>VS Ks1/Zs3v</translation>
    </message>
    <message>
        <source>VS KS2</source>
        <translation>VS KS2</translation>
    </message>
    <message>
        <source>VS Dunkel</source>
        <translation>VS Dark</translation>
    </message>
    <message>
        <source>C - Stop Carré</source>
        <translation>C - Stop Carré</translation>
    </message>
    <message>
        <source>S - red</source>
        <translation>S - red</translation>
    </message>
    <message>
        <source>(S) - red flash.</source>
        <translation>(S) - red flash.</translation>
    </message>
    <message>
        <source>VL - green</source>
        <translation>VL - green</translation>
    </message>
    <message>
        <source>(VL) - green flash.</source>
        <translation>(VL) - green flash.</translation>
    </message>
    <message>
        <source>Cv - violet</source>
        <translation>Cv - violet</translation>
    </message>
    <message>
        <source>M - white</source>
        <translation>M - white</translation>
    </message>
    <message>
        <source>(M) - white flash.</source>
        <translation>(M) - white flash.</translation>
    </message>
    <message>
        <source>A - yellow</source>
        <translation>A - yellow</translation>
    </message>
    <message>
        <source>(A) - yellow flash.</source>
        <translation>(A) - yellow flash.</translation>
    </message>
    <message>
        <source>30 R - slow</source>
        <translation>30 R - slow</translation>
    </message>
    <message>
        <source>60 (R) - slow</source>
        <translation>60 (R) - slow</translation>
    </message>
    <message>
        <source>30 RR - remember</source>
        <translation>30 RR - remember</translation>
    </message>
    <message>
        <source>60 (RR) - remember</source>
        <translation>60 (RR) - remember</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Ride on Sight</source>
        <translation>Ride on Sight</translation>
    </message>
    <message>
        <source>reduce to 30</source>
        <translation>reduce to 30</translation>
    </message>
    <message>
        <source>reduce to x</source>
        <translation>reduce to x</translation>
    </message>
    <message>
        <source>pass with 40</source>
        <translation>pass with 40</translation>
    </message>
    <message>
        <source>pass with x</source>
        <translation>pass with x</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>Hp1 + Zs3 + Zs6</source>
        <translation>Hp1 + Zs3 + Zs6</translation>
    </message>
    <message>
        <source>Hp2 + Zs3 + Zs6</source>
        <translation>Hp2 + Zs3 + Zs6</translation>
    </message>
    <message>
        <source>Hp0 + Sh1</source>
        <translation>Hp0 + Sh1</translation>
    </message>
    <message>
        <source>Hp0 + Zs7</source>
        <translation>Hp0 + Zs7</translation>
    </message>
    <message>
        <source>Hp0 + Zs8</source>
        <translation>Hp0 + Zs8</translation>
    </message>
    <message>
        <source>Weg 1</source>
        <translation>Route 1</translation>
    </message>
    <message>
        <source>Weg 2</source>
        <translation>Route 2</translation>
    </message>
    <message>
        <source>Vr0 Weg 1</source>
        <translation>Vr0 route 1</translation>
    </message>
    <message>
        <source>Vr1 Weg 1</source>
        <translation>Vr1 route 1</translation>
    </message>
    <message>
        <source>Vr2 Weg 2</source>
        <translation>Vr2 route 2</translation>
    </message>
    <message>
        <source>Vr0 Weg 2</source>
        <translation>Vr0 route 2</translation>
    </message>
    <message>
        <source>Vr1 Weg 2</source>
        <translation>Vr1 route 2</translation>
    </message>
    <message>
        <source>Dunkel EIN</source>
        <translation>Dark ON</translation>
    </message>
    <message>
        <source>Dunkel AUS</source>
        <translation>Dark OFF</translation>
    </message>
    <message>
        <source>Adresse 01</source>
        <translation>Address 01</translation>
    </message>
    <message>
        <source>Adresse 02</source>
        <translation>Address 02</translation>
    </message>
    <message>
        <source>Adresse 03</source>
        <translation>Address 03</translation>
    </message>
    <message>
        <source>Adresse 04</source>
        <translation>Address 04</translation>
    </message>
    <message>
        <source>Adresse 05</source>
        <translation>Address 05</translation>
    </message>
    <message>
        <source>Adresse 06</source>
        <translation>Address 06</translation>
    </message>
    <message>
        <source>Adresse 07</source>
        <translation>Address 07</translation>
    </message>
    <message>
        <source>Adresse 08</source>
        <translation>Address 08</translation>
    </message>
    <message>
        <source>Muster 1</source>
        <translation>Pattern 1</translation>
    </message>
    <message>
        <source>Muster 2</source>
        <translation>Pattern 2</translation>
    </message>
    <message>
        <source>Muster 3</source>
        <translation>Pattern 3</translation>
    </message>
    <message>
        <source>Muster 4</source>
        <translation>Pattern 4</translation>
    </message>
</context>
<context>
    <name>DesktopLanguage</name>
    <message>
        <source>de_DE</source>
        <translation>en_US</translation>
    </message>
    <message>
        <source>d. MMMM yyyy</source>
        <translation>MMMM d, yyyy</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>EditorFrameHost</name>
    <message>
        <source>Geänderte Werte übernehmen?</source>
        <translation>Apply the changed values?</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Ungespeicherte Änderungen an %1 verwerfen?</source>
        <translation>Discard the unsaved changes to %1?</translation>
    </message>
    <message>
        <source>Gespeichert und geprüft: %1</source>
        <translation>Saved and verified: %1</translation>
    </message>
    <message>
        <source>Die geladene Datei war beschädigt (%1). Mit neuen Prüfsummen speichern?</source>
        <translation>The loaded file was damaged (%1). Save it with new checksums?</translation>
    </message>
    <message>
        <source>%1 wurde von einem anderen Programm geändert, nachdem die wiederhergestellten Änderungen aufbewahrt wurden. Die Datei trotzdem ersetzen?</source>
        <translation>%1 was changed by another program after the restored changes were kept. Replace the file anyway?</translation>
    </message>
</context>
<context>
    <name>HexDamage</name>
    <message>
        <source>Die Datei ist vielleicht beschädigt: %1 Zeile(n) mit falscher Prüfsumme (erste: Zeile %2).</source>
        <translation>The file may be damaged: %1 line(s) with a wrong checksum (first: line %2).</translation>
    </message>
    <message>
        <source>Die Datei endet ohne End-Record; sie ist vielleicht abgeschnitten.</source>
        <translation>The file ends without an end record; it may be cut off.</translation>
    </message>
    <message>
        <source>Für %1 enthält die Datei keine Records: die angezeigten Einstellungen sind gelöschte Bytes (FF), und Speichern bringt sie nicht zurück.</source>
        <translation>The file holds no records for %1: the settings shown are erased bytes (FF), and saving does not bring them back.</translation>
    </message>
    <message>
        <source>Für %1 enthält die Datei keine Records; Speichern bringt sie nicht zurück.</source>
        <translation>The file holds no records for %1; saving does not bring them back.</translation>
    </message>
</context>
<context>
    <name>HexFile</name>
    <message>
        <source>Die gespeicherte Datei kann nicht zurückgelesen werden:
%1</source>
        <translation>The saved file cannot be read back:
%1</translation>
    </message>
    <message>
        <source>Die gespeicherte Datei kann nicht zurückgelesen werden:
%1
%2</source>
        <translation>The saved file cannot be read back:
%1
%2</translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>Die gespeicherte Datei enthält andere Daten als gespeichert:
%1
%2: gespeichert %3, gelesen %4 (%5 Unterschiede)
Bitte nicht brennen!</source>
        <translation>The saved file holds other data than was saved:
%1
%2: saved %3, read %4 (%5 differences)
Please do not burn it!</translation>
    </message>
</context>
<context>
    <name>HexReader</name>
    <message>
        <source>%1: Zu viele Zeilen im File (mehr als %2): %3 Zeilen</source>
        <translation>%1: Too many lines in the file (more than %2): %3 lines</translation>
    </message>
    <message>
        <source>E200: Überschreitung ROM-Adressbereich</source>
        <translation>E200: Beyond the ROM address range</translation>
    </message>
    <message>
        <source>E201: Unerwartete Zeile: </source>
        <translation>E201: Unexpected line: </translation>
    </message>
    <message>
        <source>E202: Unerwarteter End File Record: </source>
        <translation>E202: Unexpected end-of-file record: </translation>
    </message>
    <message>
        <source>E203: Unerwartete Zeile im File: </source>
        <translation>E203: Unexpected line in the file: </translation>
    </message>
    <message>
        <source>E204: Unerwartete Zeile im File: </source>
        <translation>E204: Unexpected line in the file: </translation>
    </message>
    <message>
        <source>E205: Unerwarteter Extendet Linear Address Record: </source>
        <translation>E205: Unexpected extended linear address record: </translation>
    </message>
    <message>
        <source>E206: Unerwartete Zeile im File: </source>
        <translation>E206: Unexpected line in the file: </translation>
    </message>
    <message>
        <source>E208: Zeile kürzer als ihre Byte-Anzahl: </source>
        <translation>E208: Line shorter than its byte count: </translation>
    </message>
    <message>
        <source>E209: Überschreitung EEPROM-Adressbereich</source>
        <translation>E209: Beyond the EEPROM address range</translation>
    </message>
    <message>
        <source>E208: Die Datei endet mitten in einem Record (Zeile %1); sie ist wahrscheinlich abgeschnitten, etwa bei einem abgebrochenen Download.</source>
        <translation>E208: The file ends in the middle of a record (line %1); it was probably cut off, as by an interrupted download.</translation>
    </message>
    <message>
        <source>E208: Die Datei %1 endet mitten in einem Record (Zeile %2); sie ist wahrscheinlich abgeschnitten, etwa bei einem abgebrochenen Download.</source>
        <translation>E208: The file %1 ends in the middle of a record (line %2); it was probably cut off, as by an interrupted download.</translation>
    </message>
</context>
<context>
    <name>HexWriter</name>
    <message>
        <source>Das HEX-File kann nicht geschrieben werden: die ID &quot;%1&quot; hat nicht vier Stellen.</source>
        <translation>The HEX file cannot be written: the ID &quot;%1&quot; does not have four digits.</translation>
    </message>
</context>
<context>
    <name>InfoListing</name>
    <message>
        <source> gefundene Unterschiede </source>
        <translation> differences found </translation>
    </message>
    <message>
        <source>im EEprom</source>
        <translation>in the EEPROM</translation>
    </message>
    <message>
        <source>im ROM</source>
        <translation>in the ROM</translation>
    </message>
    <message>
        <source>in ID</source>
        <translation>in the ID</translation>
    </message>
    <message>
        <source>in Config</source>
        <translation>in the config</translation>
    </message>
    <message>
        <source>E200: Überschreitung ROM-Adressbereich</source>
        <translation>E200: Beyond the ROM address range</translation>
    </message>
    <message>
        <source>E301: Unerwartete Zeile: </source>
        <translation>E301: Unexpected line: </translation>
    </message>
    <message>
        <source>E302: Unerwarteter End File Record: </source>
        <translation>E302: Unexpected end-of-file record: </translation>
    </message>
    <message>
        <source>E303: Unerwartete Zeile im File: </source>
        <translation>E303: Unexpected line in the file: </translation>
    </message>
    <message>
        <source>E304: Unerwartete Zeile im File: </source>
        <translation>E304: Unexpected line in the file: </translation>
    </message>
    <message>
        <source>E305: Unerwarteter Extendet Linear Address Record: </source>
        <translation>E305: Unexpected extended linear address record: </translation>
    </message>
    <message>
        <source>E300: Unerwartete Zeile im File: </source>
        <translation>E300: Unexpected line in the file: </translation>
    </message>
    <message>
        <source>E308: Zeile kürzer als ihre Byte-Anzahl: </source>
        <translation>E308: Line shorter than its byte count: </translation>
    </message>
    <message>
        <source>E309: Überschreitung EEPROM-Adressbereich</source>
        <translation>E309: Beyond the EEPROM address range</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Abspielen</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>RecentFilesPanel</name>
    <message>
        <source>HEX laden oder eine .hex-Datei hierher ziehen</source>
        <translation>Load HEX, or drop a .hex file here</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet:</source>
        <translation>Recently opened:</translation>
    </message>
    <message>
        <source>Keine zuletzt geöffneten Dateien</source>
        <translation>No recently opened files</translation>
    </message>
</context>
<context>
    <name>ServoAssign</name>
    <message>
        <source>Adresse 01 ein</source>
        <translation>Address 01 on</translation>
    </message>
    <message>
        <source>Adresse 01 aus</source>
        <translation>Address 01 off</translation>
    </message>
    <message>
        <source>Adresse 02 ein</source>
        <translation>Address 02 on</translation>
    </message>
    <message>
        <source>Adresse 02 aus</source>
        <translation>Address 02 off</translation>
    </message>
    <message>
        <source>Adresse 01</source>
        <translation>Address 01</translation>
    </message>
    <message>
        <source>Adresse 02</source>
        <translation>Address 02</translation>
    </message>
    <message>
        <source>Adresse 03</source>
        <translation>Address 03</translation>
    </message>
    <message>
        <source>Adresse 04</source>
        <translation>Address 04</translation>
    </message>
    <message>
        <source>Adresse %1:</source>
        <translation>Address %1:</translation>
    </message>
</context>
<context>
    <name>SettingsActions</name>
    <message>
        <source>Einstellungen (*.json);;Alle Dateien (*)</source>
        <translation>Settings (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>Änderungen</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Änderungen anzeigen…</source>
        <translation>Show changes…</translation>
    </message>
    <message>
        <source>Einstellungen exportieren…</source>
        <translation>Export settings…</translation>
    </message>
    <message>
        <source>Einstellungen übernehmen…</source>
        <translation>Apply settings…</translation>
    </message>
    <message>
        <source>Keine Änderungen gegenüber der geladenen Datei.</source>
        <translation>No changes from the loaded file.</translation>
    </message>
    <message>
        <source>Geändert gegenüber der geladenen Datei:</source>
        <translation>Changed from the loaded file:</translation>
    </message>
    <message>
        <source>Beim Laden selbst korrigiert:</source>
        <translation>Corrected by the load itself:</translation>
    </message>
    <message>
        <source>Noch nicht übernommen (nicht im Image):</source>
        <translation>Not applied yet (not in the image):</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Abschalten des Antriebes NUR nach TimeOut</source>
        <translation>Switch the motor off ONLY after the time-out</translation>
    </message>
    <message>
        <source>Mode Auswahl</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Dumm Mode</source>
        <translation>Dumb mode</translation>
    </message>
    <message>
        <source>Mode-Umschaltung SPERREN</source>
        <translation>LOCK mode switching</translation>
    </message>
    <message>
        <source>Geschwindigkeit Überblendung (Fading)</source>
        <translation>Fading speed</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Leuchtstufe DUNKEL</source>
        <translation>Level DIM</translation>
    </message>
    <message>
        <source>Leuchtstufe HELL</source>
        <translation>Level BRIGHT</translation>
    </message>
    <message>
        <source>Mindestanzahl (1..9)</source>
        <translation>Minimum (1..9)</translation>
    </message>
    <message>
        <source>SW1</source>
        <translation>SW1</translation>
    </message>
    <message>
        <source>Servo-Bedienung</source>
        <translation>Servo control</translation>
    </message>
    <message>
        <source>Lernen + Justage</source>
        <translation>Learn + adjust</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Aktion</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Kurve</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>Relais</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start Loop</source>
        <translation>Start loop</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Spannung aus</source>
        <translation>Power off</translation>
    </message>
    <message>
        <source>Impulse aus</source>
        <translation>Pulses off</translation>
    </message>
    <message>
        <source>keine Unterbrechung</source>
        <translation>no interruption</translation>
    </message>
    <message>
        <source>keine Wiederholung</source>
        <translation>no repetition</translation>
    </message>
    <message>
        <source>ein</source>
        <translation>on</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Funktion</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>grün</source>
        <translation>green</translation>
    </message>
    <message>
        <source>rot</source>
        <translation>red</translation>
    </message>
    <message>
        <source>Blinkmuster Adresse %1</source>
        <translation>Blink pattern address %1</translation>
    </message>
    <message>
        <source>Anzahl %1, Stretch %2, Loop %3</source>
        <translation>Count %1, stretch %2, loop %3</translation>
    </message>
    <message>
        <source>Ausgang %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>Kurve %1</source>
        <translation>Curve %1</translation>
    </message>
    <message>
        <source>Anzahl Punkte %1, Stretch %2, %3: %4</source>
        <translation>Points %1, stretch %2, %3: %4</translation>
    </message>
    <message>
        <source>keine Zuordnung</source>
        <translation>not assigned</translation>
    </message>
    <message>
        <source>Impuls Min %1 ms</source>
        <translation>Pulse min %1 ms</translation>
    </message>
    <message>
        <source>Impuls Max %1 ms</source>
        <translation>Pulse max %1 ms</translation>
    </message>
    <message>
        <source>Adressen der Servos</source>
        <translation>Addresses of the servos</translation>
    </message>
    <message>
        <source>Impulszeiten und Optionen</source>
        <translation>Pulse times and options</translation>
    </message>
    <message>
        <source>Servo %1</source>
        <translation>Servo %1</translation>
    </message>
    <message>
        <source>Betriebsarten</source>
        <translation>Operating modes</translation>
    </message>
    <message>
        <source>CVs</source>
        <translation>CVs</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>Data sheet</translation>
    </message>
    <message>
        <source>Ungespeicherte Änderungen: dieses Blatt zeigt, was das Fenster zeigt, nicht die Datei.</source>
        <translation>Unsaved changes: this sheet shows what the window shows, not the file.</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Adressen</source>
        <translation>Addresses</translation>
    </message>
    <message>
        <source>Blinkmuster</source>
        <translation>Blink patterns</translation>
    </message>
    <message>
        <source>Servo-Kurven</source>
        <translation>Servo curves</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>nicht benutzt</source>
        <translation>not used</translation>
    </message>
</context>
<context>
    <name>SheetActions</name>
    <message>
        <source>PDF (*.pdf);;Alle Dateien (*)</source>
        <translation>PDF (*.pdf);;All files (*)</translation>
    </message>
    <message>
        <source>Datenblatt drucken…</source>
        <translation>Print data sheet…</translation>
    </message>
    <message>
        <source>Datenblatt als PDF…</source>
        <translation>Data sheet as PDF…</translation>
    </message>
    <message>
        <source>das PDF kann nicht erstellt werden</source>
        <translation>the PDF cannot be made</translation>
    </message>
    <message>
        <source>Drucken ist nicht möglich: %1</source>
        <translation>Printing is not possible: %1</translation>
    </message>
</context>
<context>
    <name>SlotGrid</name>
    <message>
        <source>Funktion Nummer</source>
        <translation>Function number</translation>
    </message>
    <message>
        <source>R/G</source>
        <translation>R/G</translation>
    </message>
    <message>
        <source>Wechsel zwischen ROTer und GRÜNer Adresse </source>
        <translation>Switches between the RED and the GREEN address </translation>
    </message>
    <message>
        <source>gültiger Adressbereich: 1 bis %1
&apos;0&apos; für unbenutzt (keine Reaktion auf irgendeinen Befehl)</source>
        <translation>valid addresses: 1 to %1
&apos;0&apos; for unused (reacts to no command at all)</translation>
    </message>
    <message>
        <source>gültiger Bereich für die Funktions-Nummer: 1 bis %1</source>
        <translation>valid function numbers: 1 to %1</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source> %1 vom %2</source>
        <translation> %1 of %2</translation>
    </message>
    <message>
        <source>HEX laden</source>
        <translation>Load HEX</translation>
    </message>
    <message>
        <source>Hex-File laden.
Anschliessend können Parameter wie z.B. die Adressen geändert werden.</source>
        <translation>Loads a HEX file.
Afterwards settings such as the addresses can be changed.</translation>
    </message>
    <message>
        <source>HEX speichern</source>
        <translation>Save HEX</translation>
    </message>
    <message>
        <source>Hex-File speichern
Das neue HEX-File kann dann in den PIC &apos;gebrannt&apos; werden</source>
        <translation>Saves the HEX file
The new HEX file can then be &apos;burnt&apos; into the PIC</translation>
    </message>
    <message>
        <source>HEX Info</source>
        <translation>HEX Info</translation>
    </message>
    <message>
        <source>Anzeige der HEX-Daten</source>
        <translation>Shows the HEX data</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Programm beenden (ohne eine Nachfrage!)</source>
        <translation>Quits the program (without asking!)</translation>
    </message>
    <message>
        <source>Zur WebSite</source>
        <translation>To the website</translation>
    </message>
    <message>
        <source>Anzeige der HEX-Version und des Namens</source>
        <translation>Shows the HEX version and name</translation>
    </message>
    <message>
        <source> [beschädigt]</source>
        <translation> [damaged]</translation>
    </message>
</context>
<context>
    <name>TFrameBlinkmuster</name>
    <message>
        <source>Out#%1</source>
        <translation>Out#%1</translation>
    </message>
    <message>
        <source>Ausgang %1 verwenden (wird sonst nicht beeinflusst)</source>
        <translation>Use output %1 (otherwise it is left alone)</translation>
    </message>
</context>
<context>
    <name>TFrameBlinkmuster_led</name>
    <message>
        <source>Out#%1</source>
        <translation>Out#%1</translation>
    </message>
    <message>
        <source>Ausgang %1 verwenden (wird sonst nicht beeinflusst)</source>
        <translation>Use output %1 (otherwise it is left alone)</translation>
    </message>
</context>
<context>
    <name>TFrameTamb</name>
    <message>
        <source>Parameter für ...</source>
        <translation>Settings for ...</translation>
    </message>
    <message>
        <source>Kurve %1</source>
        <translation>Curve %1</translation>
    </message>
    <message>
        <source>Auswahl, für welche Adresse die Angezeigten Parameter gültig sind</source>
        <translation>Chooses the address the settings shown apply to</translation>
    </message>
    <message>
        <source>Anzahl Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Anzahl der Kurven-Punkte</source>
        <translation>Number of points of the curve</translation>
    </message>
    <message>
        <source>Stretch-Faktor</source>
        <translation>Stretch factor</translation>
    </message>
    <message>
        <source>ermöglicht es, den Ablauf zu Verlangsamen</source>
        <translation>slows the sequence down</translation>
    </message>
    <message>
        <source>Raster X</source>
        <translation>Grid X</translation>
    </message>
    <message>
        <source>Raster Y</source>
        <translation>Grid Y</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Definieren der Kurvenform (Maus: Klick &amp; Move)</source>
        <translation>Draws the curve (mouse: click &amp; drag)</translation>
    </message>
    <message>
        <source>Relais</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Definieren, ob Relais zu einem bestimmten Kurven-Zeitpunkt AUS oder EIN (rotes Feld) ist</source>
        <translation>Sets whether the relay is OFF or ON (red field) at a point of the curve</translation>
    </message>
    <message>
        <source>Funktionen</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>Lin</source>
        <translation>Lin</translation>
    </message>
    <message>
        <source>lineare Kurvenform erstellen</source>
        <translation>makes a linear curve</translation>
    </message>
    <message>
        <source>1/4 Sin</source>
        <translation>1/4 Sin</translation>
    </message>
    <message>
        <source>Sinus-Kurvenform erstellen (halbe Welle)</source>
        <translation>makes a sine curve (half wave)</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>log, Kurvenform erstellen</source>
        <translation>makes a logarithmic curve</translation>
    </message>
    <message>
        <source>1/2 Sin</source>
        <translation>1/2 Sin</translation>
    </message>
    <message>
        <source>Sinus-Kurvenform erstellen (Welle)</source>
        <translation>makes a sine curve (wave)</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>vertikal</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>vertikales Spiegeln der Kurvenform</source>
        <translation>mirrors the curve vertically</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>horizonzales Spiegeln der Kurvenform</source>
        <translation>mirrors the curve horizontally</translation>
    </message>
    <message>
        <source>Kurve kopieren</source>
        <translation>Copy curve</translation>
    </message>
    <message>
        <source>von #%1</source>
        <translation>from #%1</translation>
    </message>
    <message>
        <source>Kopieren der Kurvenformen von Kurve %1</source>
        <translation>Copies the shape of curve %1</translation>
    </message>
    <message>
        <source>Kurve</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>laden</source>
        <translation>load</translation>
    </message>
    <message>
        <source>laden von Kurven-Daten</source>
        <translation>loads curve data</translation>
    </message>
    <message>
        <source>speichern</source>
        <translation>save</translation>
    </message>
    <message>
        <source>speichern von Kurven-Daten</source>
        <translation>saves curve data</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>laden Kurven-Daten inkl. Pukte-Anzahl, Stretch-Faktor etc.</source>
        <translation>loads curve data incl. number of points, stretch factor etc.</translation>
    </message>
    <message>
        <source>speichern Kurven-Daten inkl. Pukte-Anzahl, Stretch-Faktor etc.</source>
        <translation>saves curve data incl. number of points, stretch factor etc.</translation>
    </message>
    <message>
        <source>Skalierung</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>anwenden</source>
        <translation>apply</translation>
    </message>
    <message>
        <source>Hoch/Runter</source>
        <translation>Up/down</translation>
    </message>
    <message>
        <source>Funktion für Taster SW1</source>
        <translation>Function of button SW1</translation>
    </message>
    <message>
        <source>Servo-Bedienung</source>
        <translation>Servo control</translation>
    </message>
    <message>
        <source>Lernen + Justage</source>
        <translation>Learn + adjust</translation>
    </message>
    <message>
        <source>ermöglicht das Auslösen von Aktionen <byte value="xd"/>
via (Justage-)Taster</source>
        <translation>triggers actions <byte value="xd"/>
with the (adjusting) button</translation>
    </message>
    <message>
        <source>verwerfen</source>
        <translation>discard</translation>
    </message>
    <message>
        <source>Daten verwerfen</source>
        <translation>Discards the data</translation>
    </message>
    <message>
        <source>übernehmen</source>
        <translation>accept</translation>
    </message>
    <message>
        <source>Daten übernehmen</source>
        <translation>Accepts the data</translation>
    </message>
    <message>
        <source>Wert, um den die Kurve nach oben (positive Werte) oder nach unten (negative Werte) verschoben wird
Ein Wert von 64 verschiebt die Kurve um die halbe Y-Achse nach oben</source>
        <translation>Value by which the curve is moved up (positive values) or down (negative values)
A value of 64 moves the curve up by half the Y axis</translation>
    </message>
    <message>
        <source>Wert, mit dem die Kurve multipliziert wird. 
D.h. Werte &gt; 1 ziehen die Kurve in der Y-Achse auseinander, Werte &lt; 1 stauchen die Kurve</source>
        <translation>Value the curve is multiplied by. 
Values &gt; 1 stretch the curve along the Y axis, values &lt; 1 squeeze it</translation>
    </message>
</context>
<context>
    <name>TFrameTambAdr</name>
    <message>
        <source>Diese Zeit definiert die untere Grenze, mit der der Servo<byte value="xd"/>
angesteuert wird.<byte value="xd"/>
Dieser Parameter kann später über eine Lern-Funktion <byte value="xd"/>
an den Servo und die Konstruktion angepasst werden.<byte value="xd"/>
Eine Änderung der Min-Zeit verschieb auch die Max-Zeit<byte value="xd"/>
(wirkt wie ein Offset)</source>
        <translation>This time is the lower limit the servo<byte value="xd"/>
is driven with.<byte value="xd"/>
A learning function can later fit this value <byte value="xd"/>
to the servo and the mechanism.<byte value="xd"/>
Changing the min time also moves the max time<byte value="xd"/>
(it works as an offset)</translation>
    </message>
    <message>
        <source>Mit dieser Impuls-Zeit wird der Servo Maximal angesteuert. <byte value="xd"/>
Dieser Parameter kann später über eine Lern-Funktion <byte value="xd"/>
an den Servo und die Konstruktion angepasst werden.<byte value="xd"/>
Eine Änderung der Min-Zeit verschieb auch die Max-Zeit<byte value="xd"/>
(wirkt wie ein Offset)</source>
        <translation>The servo is driven with at most this pulse time. <byte value="xd"/>
A learning function can later fit this value <byte value="xd"/>
to the servo and the mechanism.<byte value="xd"/>
Changing the min time also moves the max time<byte value="xd"/>
(it works as an offset)</translation>
    </message>
    <message>
        <source>Servo 1</source>
        <translation>Servo 1</translation>
    </message>
    <message>
        <source>Servo 2</source>
        <translation>Servo 2</translation>
    </message>
    <message>
        <source>Servo 3</source>
        <translation>Servo 3</translation>
    </message>
    <message>
        <source>Servo 4</source>
        <translation>Servo 4</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start Loop</source>
        <translation>Start loop</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Kurve 1</source>
        <translation>Curve 1</translation>
    </message>
    <message>
        <source>Kurve 2</source>
        <translation>Curve 2</translation>
    </message>
    <message>
        <source>Kurve 3</source>
        <translation>Curve 3</translation>
    </message>
    <message>
        <source>Kurve 4</source>
        <translation>Curve 4</translation>
    </message>
    <message>
        <source>Relais 1</source>
        <translation>Relay 1</translation>
    </message>
    <message>
        <source>Relais 2</source>
        <translation>Relay 2</translation>
    </message>
    <message>
        <source>Relais 3</source>
        <translation>Relay 3</translation>
    </message>
    <message>
        <source>Relais 4</source>
        <translation>Relay 4</translation>
    </message>
    <message>
        <source>Start: Kurve einmalig starten<byte value="xd"/>
Start Loop: Kurve immer wieder starten<byte value="xd"/>
Abbruch: Kurve sofort abbrechen<byte value="xd"/>
Beenden: Kurve nach Beendigung abbrechen (Loop Ende)</source>
        <translation>Start: runs the curve once<byte value="xd"/>
Start loop: runs the curve again and again<byte value="xd"/>
Abort: stops the curve at once<byte value="xd"/>
Finish: stops the curve when it is done (end of loop)</translation>
    </message>
    <message>
        <source>Auswahl des Servo</source>
        <translation>Chooses the servo</translation>
    </message>
    <message>
        <source>Auswahl der Kurve</source>
        <translation>Chooses the curve</translation>
    </message>
    <message>
        <source>Auswahl des Relais</source>
        <translation>Chooses the relay</translation>
    </message>
    <message>
        <source>Servo </source>
        <translation>Servo </translation>
    </message>
    <message>
        <source>ms Impuls-Zeit (Min)</source>
        <translation>ms pulse time (min)</translation>
    </message>
    <message>
        <source>ms Impuls-Zeit (Max)</source>
        <translation>ms pulse time (max)</translation>
    </message>
    <message>
        <source>Spannung aus</source>
        <translation>Power off</translation>
    </message>
    <message>
        <source>Versorgungs-Spannung des Servos nach Ablauf abschalten</source>
        <translation>Switches the servo&apos;s supply off when the curve is done</translation>
    </message>
    <message>
        <source>Impulse aus</source>
        <translation>Pulses off</translation>
    </message>
    <message>
        <source>Ansteuer-Impulse des Servos nach Ablauf abschalten</source>
        <translation>Switches the servo&apos;s control pulses off when the curve is done</translation>
    </message>
    <message>
        <source>keine Unterbrechung</source>
        <translation>no interruption</translation>
    </message>
    <message>
        <source>eine aktive Kurve für </source>
        <translation>a running curve of </translation>
    </message>
    <message>
        <source> kann nicht durch eine andere Kurve unterbrochen werden</source>
        <translation> cannot be interrupted by another curve</translation>
    </message>
    <message>
        <source>keine Wiederholung</source>
        <translation>no repetition</translation>
    </message>
    <message>
        <source>es kann nicht 2x hintereinander die selbe Kurve gefahren werden</source>
        <translation>the same curve cannot run twice in a row</translation>
    </message>
</context>
<context>
    <name>TFrameZusatz</name>
    <message>
        <source>rechts = HELL, Links = dunkel</source>
        <translation>right = BRIGHT, left = dim</translation>
    </message>
    <message>
        <source>Abschalten des Antriebes NUR nach TimeOut</source>
        <translation>Switch the motor off ONLY after the time-out</translation>
    </message>
    <message>
        <source>Der Abschaltebefehl der Zentrale wird ignoriert, sodass der Antrieb immer genau nach der TimeOut Zeit abschaltet</source>
        <translation>The command station&apos;s switch-off command is ignored, so the motor always switches off exactly after the time-out</translation>
    </message>
    <message>
        <source>Mindestanzahl (1..9)</source>
        <translation>Minimum (1..9)</translation>
    </message>
    <message>
        <source>Anzahl der mindest aktiven Ausgänge beim Ablauf</source>
        <translation>Least number of outputs on during the sequence</translation>
    </message>
    <message>
        <source>Leuchtstufe DUNKEL</source>
        <translation>Level DIM</translation>
    </message>
    <message>
        <source>Leuchtstufe HELL</source>
        <translation>Level BRIGHT</translation>
    </message>
    <message>
        <source>Die Verzögerungszeit definiert eine Einschalt-Verzögerung. <byte value="xd"/>
Diese ist dann aktiv, wenn noch kein Ausgang eingeschaltet <byte value="xd"/>
ist, also wenn alle Ausgäne dunkel sind. Alle weiteren <byte value="xd"/>
Ausgänge werden dann ohne Verzögerungszeit dazu <byte value="xd"/>
geschaltet</source>
        <translation>The delay time sets a switch-on delay. <byte value="xd"/>
It applies while no output is on yet, <byte value="xd"/>
that is while all outputs are dark. All further <byte value="xd"/>
outputs are then switched on without <byte value="xd"/>
delay</translation>
    </message>
    <message>
        <source>Tipp: Im Kandor Dekoder sind Ausgang 1-4 nutzbar</source>
        <translation>Tip: in the Kandor decoder outputs 1-4 can be used</translation>
    </message>
    <message>
        <source>Mode Auswahl</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Wird hier ein Mode ausgewählt, so sollte die Mode-<byte value="xd"/>
Umschaltung gesperrt werden, da  sich sonst der gewählte<byte value="xd"/>
Mode während des &quot;Brennen&quot; wieder verstellen kann.</source>
        <translation>When a mode is chosen here, mode switching<byte value="xd"/>
should be locked, or else the chosen mode<byte value="xd"/>
may change again while &quot;burning&quot;.</translation>
    </message>
    <message>
        <source>Dumm Mode: startet immer mit Ausgängen AUS</source>
        <translation>Dumb mode: always starts with outputs OFF</translation>
    </message>
    <message>
        <source>Dekoder startet mit abgeschalteten Ausgängen. der Zustand beim Abschalten wird also NICHT wieder hergestellt.</source>
        <translation>The decoder starts with its outputs off: the state at switch-off is NOT restored.</translation>
    </message>
    <message>
        <source>Mode-Umschaltung SPERREN</source>
        <translation>LOCK mode switching</translation>
    </message>
    <message>
        <source>Aktiviert: eine Mode-Umschaltung (Taste beim Starten) ist dann nicht mehr möglich. Voreingestellte Modus ist damit garantiert. </source>
        <translation>Checked: the mode can no longer be switched (button at start). The preset mode is then guaranteed. </translation>
    </message>
    <message>
        <source>Mode %1</source>
        <translation>Mode %1</translation>
    </message>
    <message>
        <source>Geschwindigkeit Überblendung (Fading)</source>
        <translation>Fading speed</translation>
    </message>
    <message>
        <source>schnell</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>langsam</source>
        <translation>slow</translation>
    </message>
</context>
<context>
    <name>TfrmInfo</name>
    <message>
        <source>
Für den Normal-Bediener uninteressant!</source>
        <translation>
Of no interest to the ordinary user!</translation>
    </message>
    <message>
        <source>HEX File Information</source>
        <translation>HEX File Information</translation>
    </message>
    <message>
        <source>Config Value:</source>
        <translation>Config value:</translation>
    </message>
    <message>
        <source>ID-Value:</source>
        <translation>ID value:</translation>
    </message>
    <message>
        <source>EEPROM</source>
        <translation>EEPROM</translation>
    </message>
    <message>
        <source>EEprom</source>
        <translation>EEPROM</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>Anzeige der EEprom Daten</source>
        <translation>Shows the EEPROM data</translation>
    </message>
    <message>
        <source>Anzeige der Register</source>
        <translation>Shows the registers</translation>
    </message>
    <message>
        <source>vergleiche mit 2. HEX-File</source>
        <translation>compare with 2nd HEX file</translation>
    </message>
    <message>
        <source>das geladenen HEX wird mit einer 2. Datei verglichen</source>
        <translation>compares the loaded HEX with a second file</translation>
    </message>
    <message>
        <source>Fenster schliessen</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>File 1 = %1</source>
        <translation>File 1 = %1</translation>
    </message>
    <message>
        <source>File 2 = %1</source>
        <translation>File 2 = %1</translation>
    </message>
</context>
<context>
    <name>WindowRecovery</name>
    <message>
        <source>Die ungespeicherten Änderungen konnten nicht aufbewahrt werden:
%1</source>
        <translation>The unsaved changes could not be kept:
%1</translation>
    </message>
    <message>
        <source>Die ungespeicherten Änderungen an %1 werden nicht aufbewahrt; bei einem Absturz gehen sie verloren. Speichern Sie die Datei:
%2</source>
        <translation>The unsaved changes to %1 are not being kept; a crash would lose them. Save the file:
%2</translation>
    </message>
    <message>
        <source>Die aufbewahrten Änderungen in %1 lassen sich nicht öffnen:
%2</source>
        <translation>The kept changes in %1 cannot be opened:
%2</translation>
    </message>
    <message>
        <source>Die aufbewahrten Änderungen in %1 stammen von einer neueren Version von Quaxel:
%2</source>
        <translation>The kept changes in %1 come from a newer version of Quaxel:
%2</translation>
    </message>
    <message>
        <source>Die aufbewahrten Änderungen in %1 sind nicht lesbar:
%2</source>
        <translation>The kept changes in %1 cannot be read:
%2</translation>
    </message>
    <message>
        <source>Die aufbewahrten Änderungen in %1 lassen sich nicht wiederherstellen, weil die Zeilen der Datei, von der sie ausgehen, nicht mehr laden:
%2</source>
        <translation>The kept changes in %1 cannot be restored because the lines of the file they start from no longer load:
%2</translation>
    </message>
    <message>
        <source>Die aufbewahrten Änderungen in %1 ließen sich nicht wiederherstellen.</source>
        <translation>The kept changes in %1 could not be restored.</translation>
    </message>
    <message numerus="yes">
        <source>Nicht übernommene Änderungen in %n Editor(en) passen nicht zum Decodertyp der Datei und wurden verworfen.</source>
        <translation>
            <numerusform>Changes not applied in %n editor do not fit the file&apos;s decoder type and were discarded.</numerusform>
            <numerusform>Changes not applied in %n editors do not fit the file&apos;s decoder type and were discarded.</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Datei wurde nicht gelöscht; sie ließ sich nicht umbenennen:
%1</source>
        <translation>The file was not deleted; it could not be renamed:
%1</translation>
    </message>
    <message>
        <source>Die Datei wurde nicht gelöscht, sondern umbenannt in:
%1</source>
        <translation>The file was not deleted but renamed to:
%1</translation>
    </message>
    <message>
        <source>(ohne Namen)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>Ungespeicherte Änderungen an %1 vom %2 wiederherstellen?</source>
        <translation>Restore the unsaved changes to %1 of %2?</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Später fragen</source>
        <translation>Ask later</translation>
    </message>
    <message>
        <source>%1 gibt es nicht mehr oder lässt sich nicht lesen.</source>
        <translation>%1 no longer exists or cannot be read.</translation>
    </message>
    <message>
        <source>Achtung: %1 wurde geändert, nachdem die Änderungen aufbewahrt wurden (am %2). Sie gehen von der alten Fassung aus; vor dem Speichern über die Datei wird gefragt.</source>
        <translation>Note: %1 was changed after the changes were kept (on %2). They start from the old version; saving over the file asks first.</translation>
    </message>
</context>
<context>
    <name>WindowShortcuts</name>
    <message>
        <source>Rechtsklick: Rückgängig (Strg+Z), Wiederholen (Strg+Y)</source>
        <translation>Right click: Undo (Ctrl+Z), Redo (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Quaxel bearbeitet die Einstellungen einer Dekoder-Firmware (Intel-HEX-Datei).<byte value="xd"/><byte value="xd"/>Strg+O	HEX laden<byte value="xd"/>Strg+S	HEX speichern (die Datei wird danach zurückgelesen und geprüft)<byte value="xd"/>Strg+I	HEX Info<byte value="xd"/>Strg+Z	Rückgängig: die letzte Änderung zurücknehmen<byte value="xd"/>Strg+Y	Wiederholen: die zurückgenommene Änderung wieder ausführen (auch Strg+Umschalt+Z)<byte value="xd"/>Strg+D	Änderungen anzeigen: was sich gegenüber der geladenen Datei geändert hat<byte value="xd"/>Strg+Q	Schließen, ohne die Einstellungen zu speichern<byte value="xd"/>F1	diese Hilfe<byte value="xd"/><byte value="xd"/>Eine .hex-Datei kann auch auf das Fenster gezogen werden. Die zuletzt geöffneten Dateien zeigt ein Rechtsklick auf &quot;HEX laden&quot;. Ein Rechtsklick neben die Knöpfe zeigt auch &quot;Einstellungen exportieren…&quot; und &quot;Einstellungen übernehmen…&quot;. &quot;Ende&quot; speichert Fensterposition und zuletzt geöffnete Dateien.</source>
        <translation>Quaxel edits the settings of a decoder firmware (Intel HEX file).<byte value="xd"/><byte value="xd"/>Ctrl+O	Load HEX<byte value="xd"/>Ctrl+S	Save HEX (the file is then read back and verified)<byte value="xd"/>Ctrl+I	HEX Info<byte value="xd"/>Ctrl+Z	Undo: takes the last change back<byte value="xd"/>Ctrl+Y	Redo: makes the undone change again (also Ctrl+Shift+Z)<byte value="xd"/>Ctrl+D	Show changes: what has changed from the loaded file<byte value="xd"/>Ctrl+Q	Close without saving the settings<byte value="xd"/>F1	this help<byte value="xd"/><byte value="xd"/>A .hex file can also be dropped onto the window. A right click on &quot;Load HEX&quot; shows the recently opened files. A right click beside the buttons also shows &quot;Export settings…&quot; and &quot;Apply settings…&quot;. &quot;Quit&quot; saves the window position and the recently opened files.</translation>
    </message>
</context>
<context>
    <name>Zusatz</name>
    <message>
        <source>Mode 1: Normale Betriebsart</source>
        <translation>Mode 1: Normal operation</translation>
    </message>
    <message>
        <source>Mode 2: Dumm-Mode</source>
        <translation>Mode 2: Dumb mode</translation>
    </message>
    <message>
        <source>Mode 3: Selbstabschaltungs-Mode</source>
        <translation>Mode 3: Self switch-off mode</translation>
    </message>
    <message>
        <source>Time Out (1..127)</source>
        <translation>Time-out (1..127)</translation>
    </message>
    <message>
        <source>x 0.5 sec</source>
        <translation>x 0.5 sec</translation>
    </message>
    <message>
        <source>Abschaltzeit in Mode 3 (1..255)</source>
        <translation>Switch-off time in mode 3 (1..255)</translation>
    </message>
    <message>
        <source>Abschaltzeit Mode in 3 (1..255)</source>
        <translation>Switch-off time in mode 3 (1..255)</translation>
    </message>
    <message>
        <source>Verzögerungszeit (0..255)</source>
        <translation>Delay time (0..255)</translation>
    </message>
    <message>
        <source>Verzögerungszeit (x 0.5 sec)</source>
        <translation>Delay time (x 0.5 sec)</translation>
    </message>
    <message>
        <source>Mode 4: Single Output-Mode</source>
        <translation>Mode 4: Single output mode</translation>
    </message>
    <message>
        <source>Mode 1: Normale Betriebsart Neon</source>
        <translation>Mode 1: Normal operation, neon</translation>
    </message>
    <message>
        <source>Mode 2: Steuerwagen Neon</source>
        <translation>Mode 2: Driving trailer, neon</translation>
    </message>
    <message>
        <source>Mode 3: Normale Betriebsart ohne Neon</source>
        <translation>Mode 3: Normal operation, no neon</translation>
    </message>
    <message>
        <source>Mode 4: Steuerwagen ohne Neon</source>
        <translation>Mode 4: Driving trailer, no neon</translation>
    </message>
    <message>
        <source>Mode 2: Steuerwagen</source>
        <translation>Mode 2: Driving trailer</translation>
    </message>
    <message>
        <source>Mode 2: Steuerwagen (Ausgang 3/4)</source>
        <translation>Mode 2: Driving trailer (output 3/4)</translation>
    </message>
    <message>
        <source>Mode 2: mit Dunkeltastung</source>
        <translation>Mode 2: with blanking</translation>
    </message>
    <message>
        <source>Mode 1: ohne ROT</source>
        <translation>Mode 1: without RED</translation>
    </message>
    <message>
        <source>Mode 2: mit ROT </source>
        <translation>Mode 2: with RED </translation>
    </message>
    <message>
        <source>Grünphase Haupt (x 0.2 s)</source>
        <translation>Green phase main (x 0.2 s)</translation>
    </message>
    <message>
        <source>Grünphase Neben (x 0.2 s)</source>
        <translation>Green phase side (x 0.2 s)</translation>
    </message>
    <message>
        <source>Mode 1: Deutschland</source>
        <translation>Mode 1: Germany</translation>
    </message>
    <message>
        <source>Mode 2: Österreich</source>
        <translation>Mode 2: Austria</translation>
    </message>
    <message>
        <source>Spezial-Funktion Ausgang 9 / 10:</source>
        <translation>Special function output 9 / 10:</translation>
    </message>
    <message>
        <source>Funktion der Ausgänge:</source>
        <translation>Function of the outputs:</translation>
    </message>
    <message>
        <source>Ablaufgeschwindigkeit (1..255)</source>
        <translation>Sequence speed (1..255)</translation>
    </message>
    <message>
        <source>1 = schnell
255 = langsam</source>
        <translation>1 = fast
255 = slow</translation>
    </message>
    <message>
        <source>Geschwindigkeit: %1</source>
        <translation>Speed: %1</translation>
    </message>
    <message>
        <source>Wenn nicht aktiviert, dann ist dieser Ausgang ein normaler &quot;Neon&quot; Effekt Ausgang</source>
        <translation>When not checked, this output is a normal &quot;neon&quot; effect output</translation>
    </message>
    <message>
        <source>Wenn nicht aktiviert, dann ist dieser Ausgang ein &quot;Neon&quot; Effekt Ausgang, der auch als &quot;defekt&quot; definiert werden kann</source>
        <translation>When not checked, this output is a &quot;neon&quot; effect output that can also be set as &quot;faulty&quot;</translation>
    </message>
    <message>
        <source>Ausgang 9 = &quot;Neon defekt&quot;</source>
        <translation>Output 9 = &quot;faulty neon&quot;</translation>
    </message>
    <message>
        <source>keine Wirkung, wenn Ausgang 9 als &quot;Schweißer&quot; definiert</source>
        <translation>no effect when output 9 is set as &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ausgang 10 = &quot;Schweißer&quot;</source>
        <translation>Output 10 = &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ausgang 1/2/3 = &quot;Schweißer&quot;</source>
        <translation>Output 1/2/3 = &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ausgang 4 = &quot;Schweißer&quot;</source>
        <translation>Output 4 = &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ausgang 5/6/7/8 = &quot;Schweißer&quot;</source>
        <translation>Output 5/6/7/8 = &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ausgnag 9 = &quot;Schweißer&quot;</source>
        <translation>Output 9 = &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ausgang 4 = &quot;Neon defekt&quot;</source>
        <translation>Output 4 = &quot;faulty neon&quot;</translation>
    </message>
    <message>
        <source>keine Wirkung, wenn Ausgang 4 als &quot;Schweißer&quot; definiert</source>
        <translation>no effect when output 4 is set as &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ungültige Eingabe für &lt;%1&gt; </source>
        <translation>Invalid entry for &lt;%1&gt; </translation>
    </message>
    <message>
        <source>Wert für &lt;%1&gt; ist zu klein</source>
        <translation>Value for &lt;%1&gt; is too small</translation>
    </message>
    <message>
        <source>Wert für &lt;%1&gt; ist zu gross</source>
        <translation>Value for &lt;%1&gt; is too large</translation>
    </message>
    <message>
        <source>Ungültige Eingabe.<byte value="xd"/>Zugelassen sind nur Zahlen im Werte-Bereich 1..9</source>
        <translation>Invalid entry.<byte value="xd"/>Only numbers in the range 1..9</translation>
    </message>
    <message>
        <source>(%3.1f sek.)</source>
        <translation>(%3.1f s)</translation>
    </message>
</context>
</TS>
