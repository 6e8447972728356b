#pragma once
// The indexes of the main window's control arrays. Workflows and tests address
// controls by these numbers, so they never change. Each label, frame, button
// and check box carries its German caption as its tag (the text in the comment);
// the captions are applied through SprachText.
//
// frmAlle (0-10)
//   0 "ONLINE Messungen"     buttons 0, 1, 2; tip label 23
//   1 "Daten vom Gerät"      button 3; tip label 56
//   2 "Daten vom Computer"   button 4; tip label 57
//   3 "Drehschwebung"        buttons 5, 17, 6; chkAlle 0; shpAlle 1; tip label 24
//   4 "Schlechtimpulse"      buttons 7, 18, 8; tip label 25
//   5 "Aktuell"              buttons 9, 19, 10; chkAlle 1; shpAlle 0; tip label 26
//   6 "Daten vom Gerät"      lstAlle 0; buttons 11, 12; tip labels 27, 28
//   7 "Daten vom Computer"   drvAlle, dirAlle, fleAlle ("*.kav"); buttons 13, 14; tip label 34
//   8 "KAV Connection Info"  connection diagram (labels 36, 37, 41, 42), LiveBar 0, label 43, button 15
//   9 "Verbindung"           button 16; tip label 35
//  10 "Info"                 LiveBar 1, label 51 (wait panel)
//
// btnAlle (0-20)
//   0 "Drehschwebung"  1 "Schlechtimpulse"  2 "Aktuell"  3 "Daten vom Gerät"  4 "Daten vom Computer"
//   5 "Werte lesen"    6 "Zurück"           (frame 3)
//   7 "Werte lesen"    8 "Zurück"           (frame 4)
//   9 "Werte lesen"   10 "Zurück"           (frame 5)
//  11 "Speichern"     12 "Zurück"           (frame 6)
//  13 "Öffnen"        14 "Zurück"           (frame 7)
//  15 "Schließen" (frame 8)   16 "Verbindung aufbauen" (frame 9)
//  17, 18, 19 "Daten speichern" (frames 3, 4, 5)
//  20 track-error button in result area 2, empty tag (caption "Fehler beschreibung")
//
// chkAlle: 0 "Werte immer lesen" (frame 3), 1 "Werte immer lesen" (frame 5)
// shpAlle: 0 live indicator of frame 5, 1 live indicator of frame 3
// picGrafik: 0 oscillation result, 1 bad-pulse result, 2 current values, 3 chart box inside 0
// LiveBar: 0 on frame 8, 1 on frame 10
//
// labAlle (0-58)
//   current values (picGrafik 2): 0 "Impulszahl:" 1 "Drehzahl:" 2 "Frequenz:"
//     3 "Versorgungsspannung:" 4 "Stromaufnahme:"; 14 "Symmetrie 0 (Abweichung in %)"
//     15 "Symmetrie 90 (Abweichung in %)" 16 "Phasenlage (Abweichung in %)";
//     48-50 "Frequenz zu hoch. Messung nicht möglich." and 52-54 "Nicht verfügbar."
//     under the 0°, 90° and phase display; 22 heading "Aktuell"; 58 heading "Abweichung"
//   bad pulses (picGrafik 1): 5 "Max Abweichung Positiv" 6 "Position:" 7 "Wert:"
//     8 "Max Abweichung Negativ" 9 "Position:" 10 "Wert:" 11 "Abweichung"
//     12 "Position:" 13 "Wert:" (column heads of the list) 17 "Impulszahl:"
//     18 "Drehzahl:" 19 "Frequenz:" 20 "Anzahl von Abweichung:"; 44 heading
//     "Schlechtimpulse"; 46 "Abweichung Positiv" and 47 "Abweichung Negativ" (legend)
//   oscillation (picGrafik 0): 21 "Max:" 29 "Frequenz:" 30 "Drehzahl:" 31 "Impulszahl:"
//     32 "Min:" 33 "Messung über:"; 45 heading "Drehschwebung"
//   tips: 23 frame 0, 24 frame 3, 25 frame 4, 26 frame 5, 27 and 28 frame 6,
//     34 frame 7, 35 frame 9, 56 frame 1, 57 frame 2
//   connection diagram: 36 "PC / Notebook" 37 "USB Verbindung" 41 "KAV" 42 "Spannungsversorgung"
//   identity bar: 38 "S/N KAV100:" 39 "Firmware:" 40 "Software Version:" 55 "S/N Geber:"
//   message labels, empty tag: 43 (connection panel), 51 (wait panel)
//
// txtAlle (0-38; 28, 29 and 34 do not exist and stay null)
//   0 Impulszahl 1 Drehzahl 2 Frequenz 3 Versorgungsspannung 4 Stromaufnahme (picGrafik 2)
//   5, 6 max positive position and value; 7, 8 max negative position and value;
//   9+10, 11+12, 13+14, 15+16, 17+18 list entries 1-5 (position, value);
//   19 Frequenz 20 Drehzahl 21 Impulszahl 33 Anzahl Abweichungen (picGrafik 1)
//   22 Frequenz 23 Drehzahl 24 Impulszahl 25 Max 26 Min 27 Umdrehungen (picGrafik 0)
//   30 device serial number 31 firmware 32 software version 35 connection status
//   36 record date 37 record name 38 encoder serial number (identity bar)

namespace kav::shell::idx {

inline constexpr int kFrames = 11;
inline constexpr int kButtons = 21;
inline constexpr int kLabels = 59;
inline constexpr int kTextBoxes = 39;
inline constexpr int kPictures = 4;
inline constexpr int kCheckBoxes = 2;
inline constexpr int kShapes = 2;

// Frames
inline constexpr int frmOnline = 0;
inline constexpr int frmGeraetHome = 1;
inline constexpr int frmComputerHome = 2;
inline constexpr int frmDrehschwebung = 3;
inline constexpr int frmSchlechtimpulse = 4;
inline constexpr int frmAktuell = 5;
inline constexpr int frmDatenVomGeraet = 6;
inline constexpr int frmDatenVomComputer = 7;
inline constexpr int frmVerbindungsInfo = 8;
inline constexpr int frmVerbindung = 9;
inline constexpr int frmHinweis = 10;

// Buttons
inline constexpr int btnDrehschwebung = 0;
inline constexpr int btnSchlechtimpulse = 1;
inline constexpr int btnAktuell = 2;
inline constexpr int btnDatenVomGeraet = 3;
inline constexpr int btnDatenVomComputer = 4;
inline constexpr int btnDrehWerteLesen = 5;
inline constexpr int btnDrehZurueck = 6;
inline constexpr int btnSchlechtWerteLesen = 7;
inline constexpr int btnSchlechtZurueck = 8;
inline constexpr int btnAktuellWerteLesen = 9;
inline constexpr int btnAktuellZurueck = 10;
inline constexpr int btnGeraetSpeichern = 11;
inline constexpr int btnGeraetZurueck = 12;
inline constexpr int btnOeffnen = 13;
inline constexpr int btnComputerZurueck = 14;
inline constexpr int btnSchliessen = 15;
inline constexpr int btnVerbindungAufbauen = 16;
inline constexpr int btnDrehSpeichern = 17;
inline constexpr int btnSchlechtSpeichern = 18;
inline constexpr int btnAktuellSpeichern = 19;
inline constexpr int btnSpurfehler = 20;

// Check boxes, shapes, pictures
inline constexpr int chkDrehImmer = 0;
inline constexpr int chkAktuellImmer = 1;
inline constexpr int shpAktuellLive = 0;
inline constexpr int shpDrehLive = 1;
inline constexpr int picDrehschwebung = 0;
inline constexpr int picSchlechtimpulse = 1;
inline constexpr int picAktuell = 2;
inline constexpr int picDiagramm = 3;

// Labels
inline constexpr int labImpulszahl = 0;
inline constexpr int labDrehzahl = 1;
inline constexpr int labFrequenz = 2;
inline constexpr int labVersorgung = 3;
inline constexpr int labStrom = 4;
inline constexpr int labMaxPositiv = 5;
inline constexpr int labMaxPositivPosition = 6;
inline constexpr int labMaxPositivWert = 7;
inline constexpr int labMaxNegativ = 8;
inline constexpr int labMaxNegativPosition = 9;
inline constexpr int labMaxNegativWert = 10;
inline constexpr int labAbweichung = 11;
inline constexpr int labListePosition = 12;
inline constexpr int labListeWert = 13;
inline constexpr int labSym0 = 14;
inline constexpr int labSym90 = 15;
inline constexpr int labPhl = 16;
inline constexpr int labSchlechtImpulszahl = 17;
inline constexpr int labSchlechtDrehzahl = 18;
inline constexpr int labSchlechtFrequenz = 19;
inline constexpr int labAnzahlAbweichungen = 20;
inline constexpr int labDrehMax = 21;
inline constexpr int labAktuellTitel = 22;
inline constexpr int labTippOnline = 23;
inline constexpr int labTippDrehschwebung = 24;
inline constexpr int labTippSchlechtimpulse = 25;
inline constexpr int labTippAktuell = 26;
inline constexpr int labTippGeraet1 = 27;
inline constexpr int labTippGeraet2 = 28;
inline constexpr int labDrehFrequenz = 29;
inline constexpr int labDrehDrehzahl = 30;
inline constexpr int labDrehImpulszahl = 31;
inline constexpr int labDrehMin = 32;
inline constexpr int labDrehUmdrehungen = 33;
inline constexpr int labTippComputer = 34;
inline constexpr int labTippVerbindung = 35;
inline constexpr int labPC = 36;
inline constexpr int labUsb = 37;
inline constexpr int labGeraetSN = 38;
inline constexpr int labFirmware = 39;
inline constexpr int labSoftwareVersion = 40;
inline constexpr int labKav = 41;
inline constexpr int labVersorgungDiagramm = 42;
inline constexpr int labVerbindungMeldung = 43;
inline constexpr int labSchlechtTitel = 44;
inline constexpr int labDrehTitel = 45;
inline constexpr int labLegendePositiv = 46;
inline constexpr int labLegendeNegativ = 47;
inline constexpr int labSym0ZuHoch = 48;
inline constexpr int labSym90ZuHoch = 49;
inline constexpr int labPhlZuHoch = 50;
inline constexpr int labHinweisMeldung = 51;
inline constexpr int labSym0NichtVerfuegbar = 52;
inline constexpr int labSym90NichtVerfuegbar = 53;
inline constexpr int labPhlNichtVerfuegbar = 54;
inline constexpr int labGeberSN = 55;
inline constexpr int labTippGeraetHome = 56;
inline constexpr int labTippComputerHome = 57;
inline constexpr int labAbweichungTitel = 58;

// Text boxes
inline constexpr int txtImpulszahl = 0;
inline constexpr int txtDrehzahl = 1;
inline constexpr int txtFrequenz = 2;
inline constexpr int txtVersorgung = 3;
inline constexpr int txtStrom = 4;
inline constexpr int txtPosMaxPositiv = 5;
inline constexpr int txtMaxPositiv = 6;
inline constexpr int txtPosMaxNegativ = 7;
inline constexpr int txtMaxNegativ = 8;
inline constexpr int txtListeErste = 9; // 9..18: position, value of entries 1-5
inline constexpr int txtSchlechtFrequenz = 19;
inline constexpr int txtSchlechtDrehzahl = 20;
inline constexpr int txtSchlechtImpulszahl = 21;
inline constexpr int txtDrehFrequenz = 22;
inline constexpr int txtDrehDrehzahl = 23;
inline constexpr int txtDrehImpulszahl = 24;
inline constexpr int txtDrehMax = 25;
inline constexpr int txtDrehMin = 26;
inline constexpr int txtDrehUmdrehungen = 27;
inline constexpr int txtGeraetSN = 30;
inline constexpr int txtFirmware = 31;
inline constexpr int txtSoftwareVersion = 32;
inline constexpr int txtAnzahlAbweichungen = 33;
inline constexpr int txtStatus = 35;
inline constexpr int txtDatum = 36;
inline constexpr int txtName = 37;
inline constexpr int txtGeberSN = 38;

constexpr bool textBoxExists(int i) { return i >= 0 && i < kTextBoxes && i != 28 && i != 29 && i != 34; }

} // namespace kav::shell::idx
