<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Version 1.5.4</source>
        <translation>Version 1.5.4</translation>
    </message>
    <message>
        <source>Programming software for dPMR and FM handheld radios</source>
        <translation>Programmiersoftware für dPMR- und FM-Handfunkgeräte</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später (GPL-3.0-or-later), ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>Project page</source>
        <translation>Projektseite</translation>
    </message>
</context>
<context>
    <name>CAlarmPage</name>
    <message>
        <source>Alarm type</source>
        <translation>Alarmart</translation>
    </message>
    <message>
        <source>ID type</source>
        <translation>ID-Art</translation>
    </message>
    <message>
        <source>ID code</source>
        <translation>ID-Code</translation>
    </message>
    <message>
        <source>Alarm time (s)</source>
        <translation>Alarmdauer (s)</translation>
    </message>
    <message>
        <source>Tx time (s)</source>
        <translation>Sendezeit (s)</translation>
    </message>
    <message>
        <source>Rx time (s)</source>
        <translation>Empfangszeit (s)</translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation>Zyklus</translation>
    </message>
    <message>
        <source>Work alone</source>
        <translation>Alleinarbeit</translation>
    </message>
    <message>
        <source>Work alone time (min)</source>
        <translation>Alleinarbeit-Zeit (min)</translation>
    </message>
    <message>
        <source>Work alone pre-remind (s)</source>
        <translation>Alleinarbeit-Vorwarnung (s)</translation>
    </message>
    <message>
        <source>Upside</source>
        <translation>Kopfüber</translation>
    </message>
    <message>
        <source>Upside angle</source>
        <translation>Kopfüber-Winkel</translation>
    </message>
    <message>
        <source>Recovery angle</source>
        <translation>Rückstellwinkel</translation>
    </message>
    <message>
        <source>Entry delay time (s)</source>
        <translation>Eintrittsverzögerung (s)</translation>
    </message>
    <message>
        <source>Upside pre-prompt  (s)</source>
        <translation>Kopfüber-Vorwarnung (s)</translation>
    </message>
    <message>
        <source>Exit delay (s)</source>
        <translation>Austrittsverzögerung (s)</translation>
    </message>
    <message>
        <source>Auto contact</source>
        <translation>Automatischer Kontakt</translation>
    </message>
    <message>
        <source>Tx interval (s)</source>
        <translation>Sendeintervall (s)</translation>
    </message>
    <message>
        <source>Query interval (min)</source>
        <translation>Abfrageintervall (min)</translation>
    </message>
</context>
<context>
    <name>CBasicPage</name>
    <message>
        <source>SQL</source>
        <translation>SQL</translation>
    </message>
    <message>
        <source>Saving mode</source>
        <translation>Stromsparmodus</translation>
    </message>
    <message>
        <source>Saving delay time (s)</source>
        <translation>Verzögerung Stromsparen (s)</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>STE</source>
        <translation>STE</translation>
    </message>
    <message>
        <source>APO (h)</source>
        <translation>Autom. Ausschalten (h)</translation>
    </message>
    <message>
        <source>Wired copy</source>
        <translation>Kabelkopie</translation>
    </message>
    <message>
        <source>Lamp mode</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <source>VOX sense</source>
        <translation>VOX-Empfindlichkeit</translation>
    </message>
    <message>
        <source>VOX delay tiem(s)</source>
        <translation>VOX-Verzögerung (s)</translation>
    </message>
    <message>
        <source>TOT</source>
        <translation>TOT</translation>
    </message>
    <message>
        <source>TOT (s)</source>
        <translation>TOT (s)</translation>
    </message>
    <message>
        <source>TOT pre-alert (s)</source>
        <translation>TOT-Vorwarnung (s)</translation>
    </message>
    <message>
        <source>TOT re-key time (s)</source>
        <translation>TOT-Wiedersendezeit (s)</translation>
    </message>
    <message>
        <source>TOT reset time (s)</source>
        <translation>TOT-Rücksetzzeit (s)</translation>
    </message>
    <message>
        <source>Wired copy (second bit)</source>
        <translation>Kabelkopie (zweites Bit)</translation>
    </message>
</context>
<context>
    <name>CChannelEditPage</name>
    <message>
        <source>Channel edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>C&amp;hannel no.</source>
        <translation>Kanal-&amp;Nr.</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>&amp;Rx freq (MHz)</source>
        <translation>Empfangsfre&amp;quenz (MHz)</translation>
    </message>
    <message>
        <source>&amp;Tx freq (MHz)</source>
        <translation>Sendefrequen&amp;z (MHz)</translation>
    </message>
    <message>
        <source>R&amp;x tone</source>
        <translation>Empfangs&amp;ton</translation>
    </message>
    <message>
        <source>Tx t&amp;one</source>
        <translation>Sendet&amp;on</translation>
    </message>
    <message>
        <source>Channel t&amp;ype</source>
        <translation>Kanalt&amp;yp</translation>
    </message>
    <message>
        <source>Tx &amp;power</source>
        <translation>Sende&amp;leistung</translation>
    </message>
    <message>
        <source>&amp;Signal type</source>
        <translation>&amp;Signaltyp</translation>
    </message>
    <message>
        <source>Band&amp;width</source>
        <translation>&amp;Bandbreite</translation>
    </message>
    <message>
        <source>&amp;Alias</source>
        <translation>&amp;Alias</translation>
    </message>
    <message>
        <source>Stat&amp;us info no.</source>
        <translation>Stat&amp;usinfo-Nr.</translation>
    </message>
    <message>
        <source>&amp;Data type</source>
        <translation>&amp;Datentyp</translation>
    </message>
    <message>
        <source>&amp;Busy</source>
        <translation>Belegts&amp;perre</translation>
    </message>
    <message>
        <source>Re&amp;verse</source>
        <translation>U&amp;mkehren</translation>
    </message>
    <message>
        <source>Sca&amp;n</source>
        <translation>Suchlau&amp;f</translation>
    </message>
    <message>
        <source>Tal&amp;k around</source>
        <translation>Direkt&amp;verkehr</translation>
    </message>
    <message>
        <source>PTT&amp;ID</source>
        <translation>PTT-&amp;ID</translation>
    </message>
    <message>
        <source>On&amp;ly rx</source>
        <translation>Nur &amp;Empfang</translation>
    </message>
    <message>
        <source>&amp;Encrypt key</source>
        <translation>Sc&amp;hlüssel</translation>
    </message>
    <message>
        <source>&amp;Contact</source>
        <translation>&amp;Kontakt</translation>
    </message>
    <message>
        <source>&amp;Group rx list</source>
        <translation>&amp;Gruppenempfangsliste</translation>
    </message>
    <message>
        <source>OA&amp;CSU</source>
        <translation>OA&amp;CSU</translation>
    </message>
    <message>
        <source>Rx co&amp;lor</source>
        <translation>Colou&amp;r Code Empfang</translation>
    </message>
    <message>
        <source>Tx colo&amp;r</source>
        <translation>Colour Code &amp;Senden</translation>
    </message>
</context>
<context>
    <name>CCsvImportDlg</name>
    <message>
        <source>Import channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Strict: refuse the whole file at the first row this radio cannot hold</source>
        <translation>&amp;Streng: die ganze Datei bei der ersten Zeile ablehnen, die dieses Funkgerät nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>Otherwise such rows (other bands, other modes, Location outside 1-199) are skipped and listed.</source>
        <translation>Sonst werden solche Zeilen (andere Bänder, andere Betriebsarten, Location außerhalb 1-199) übersprungen und aufgelistet.</translation>
    </message>
    <message>
        <source>Channel list (*.csv);;All files (*)</source>
        <translation>Kanalliste (*.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>CCsvImportReportDlg</name>
    <message>
        <source>Import channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>&amp;Rows left out or changed:</source>
        <translation>Ausgelassene oder geänderte &amp;Zeilen:</translation>
    </message>
</context>
<context>
    <name>CDpmrBasicPage</name>
    <message>
        <source>Radio name</source>
        <translation>Funkgerätename</translation>
    </message>
    <message>
        <source>Radio id</source>
        <translation>Funkgeräte-ID</translation>
    </message>
    <message>
        <source>Dial access</source>
        <translation>Wählzugang</translation>
    </message>
    <message>
        <source>Voice store/replay</source>
        <translation>Sprachspeicher/Wiedergabe</translation>
    </message>
    <message>
        <source>Emergency call code</source>
        <translation>Notrufcode</translation>
    </message>
    <message>
        <source>Stun code</source>
        <translation>Sperrcode</translation>
    </message>
    <message>
        <source>Active code</source>
        <translation>Aktivierungscode</translation>
    </message>
    <message>
        <source>Allow all call</source>
        <translation>Sammelruf erlauben</translation>
    </message>
    <message>
        <source>Codec type</source>
        <translation>Codec-Typ</translation>
    </message>
    <message>
        <source>stun/active decode</source>
        <translation>Sperren/Aktivieren dekodieren</translation>
    </message>
    <message>
        <source>Stun type</source>
        <translation>Sperrart</translation>
    </message>
    <message>
        <source>Area code</source>
        <translation>Bereichscode</translation>
    </message>
    <message>
        <source>Group hold time</source>
        <translation>Gruppen-Haltezeit</translation>
    </message>
    <message>
        <source>Single call time</source>
        <translation>Einzelruf-Zeit</translation>
    </message>
    <message>
        <source>tx pre-carrier time</source>
        <translation>Sende-Vorträgerzeit</translation>
    </message>
    <message>
        <source>Wake frame</source>
        <translation>Weckrahmen</translation>
    </message>
    <message>
        <source>Repeat mode</source>
        <translation>Wiederholmodus</translation>
    </message>
    <message>
        <source>ACK reply delay</source>
        <translation>ACK-Antwortverzögerung</translation>
    </message>
    <message>
        <source>ACK reply wait</source>
        <translation>ACK-Antwortwartezeit</translation>
    </message>
    <message>
        <source>Tx delay time</source>
        <translation>Sendeverzögerung</translation>
    </message>
</context>
<context>
    <name>CDpmrEncryptPage</name>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Verschlüsselung</translation>
    </message>
</context>
<context>
    <name>CDpmrGroupRxPage</name>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Add &gt;&gt;</source>
        <translation>Hinzufügen &gt;&gt;</translation>
    </message>
    <message>
        <source>Del &lt;&lt;</source>
        <translation>Entfernen &lt;&lt;</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Group rx %1</source>
        <translation>Gruppenempfang %1</translation>
    </message>
    <message>
        <source>Group lists</source>
        <translation>Gruppenlisten</translation>
    </message>
    <message>
        <source>Available</source>
        <translation>Verfügbar</translation>
    </message>
    <message>
        <source>Members</source>
        <translation>Mitglieder</translation>
    </message>
</context>
<context>
    <name>CDtmfCodePage</name>
    <message>
        <source>Speed (digit/s)</source>
        <translation>Geschwindigkeit (Ziffern/s)</translation>
    </message>
    <message>
        <source>First digit delay (ms)</source>
        <translation>Verzögerung erste Ziffer (ms)</translation>
    </message>
    <message>
        <source>First digit (ms)</source>
        <translation>Erste Ziffer (ms)</translation>
    </message>
    <message>
        <source>*和# tone (ms)</source>
        <translation>*- und #-Ton (ms)</translation>
    </message>
    <message>
        <source>Short beep</source>
        <translation>Kurzer Piepton</translation>
    </message>
    <message>
        <source>Side tone</source>
        <translation>Mithörton</translation>
    </message>
    <message>
        <source>PTTID type</source>
        <translation>PTT-ID-Art</translation>
    </message>
    <message>
        <source>On-line code</source>
        <translation>Online-Code</translation>
    </message>
    <message>
        <source>Off-line  code</source>
        <translation>Offline-Code</translation>
    </message>
    <message>
        <source>Hold time (s)</source>
        <translation>Haltezeit (s)</translation>
    </message>
    <message>
        <source>Response wait</source>
        <translation>Antwort abwarten</translation>
    </message>
    <message>
        <source>Response wait time (s)</source>
        <translation>Antwortwartezeit (s)</translation>
    </message>
</context>
<context>
    <name>CDtmfDecodePage</name>
    <message>
        <source>Decode response</source>
        <translation>Antwort auf Dekodierung</translation>
    </message>
    <message>
        <source>Decode display</source>
        <translation>Dekodierung anzeigen</translation>
    </message>
    <message>
        <source>Group call code</source>
        <translation>Gruppenrufcode</translation>
    </message>
    <message>
        <source>Stun type</source>
        <translation>Sperrart</translation>
    </message>
    <message>
        <source>Stun code</source>
        <translation>Sperrcode</translation>
    </message>
    <message>
        <source>Person ID</source>
        <translation>Personen-ID</translation>
    </message>
    <message>
        <source>Auto reset time (s)</source>
        <translation>Autom. Rücksetzzeit (s)</translation>
    </message>
</context>
<context>
    <name>CEditorDlg</name>
    <message>
        <source>dPMR</source>
        <translation>dPMR</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Outbox</source>
        <translation>Postausgang</translation>
    </message>
    <message>
        <source>Group rx</source>
        <translation>Gruppenempfang</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Dekodierung</translation>
    </message>
    <message>
        <source>Auto dial</source>
        <translation>Kurzwahl</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>One key</source>
        <translation>Ein-Tasten-Ruf</translation>
    </message>
    <message>
        <source>Side Key</source>
        <translation>Seitentasten</translation>
    </message>
    <message>
        <source>Tone and Light</source>
        <translation>Ton und Licht</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>VFO mode</source>
        <translation>VFO-Modus</translation>
    </message>
</context>
<context>
    <name>CListPage</name>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Program Document (*.dat)</source>
        <translation>Programmdokument (*.dat)</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>Ein neues Dokument anlegen
Neu</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Öffnen...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>Ein vorhandenes Dokument öffnen
Öffnen</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Ctrl+S</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>Das aktive Dokument speichern
Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>Das aktive Dokument unter neuem Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Import channels...</source>
        <translation>Kanäle &amp;importieren...</translation>
    </message>
    <message>
        <source>Read channels from a CSV file
Import</source>
        <translation>Kanäle aus einer CSV-Datei lesen
Importieren</translation>
    </message>
    <message>
        <source>&amp;Export channels...</source>
        <translation>Kanäle e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Save the channels as a CSV file
Export</source>
        <translation>Die Kanäle als CSV-Datei speichern
Exportieren</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>Das aktive Dokument drucken
Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>Ganze Seiten anzeigen
Druckvorschau</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Druck&amp;einrichtung...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>Drucker und Druckoptionen ändern
Druckeinrichtung</translation>
    </message>
    <message>
        <source>Print settings s&amp;heet too</source>
        <translation>Einstellungs&amp;blatt mitdrucken</translation>
    </message>
    <message>
        <source>Print every other setting by name after the channel plan
Settings sheet</source>
        <translation>Nach dem Kanalplan alle übrigen Einstellungen mit Namen drucken
Einstellungsblatt</translation>
    </message>
    <message>
        <source>Export as P&amp;DF...</source>
        <translation>Als P&amp;DF exportieren...</translation>
    </message>
    <message>
        <source>Save the channel plan as a PDF document
Export as PDF</source>
        <translation>Den Kanalplan als PDF-Dokument speichern
Als PDF exportieren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>Das Programm beenden; fragt nach dem Speichern von Dokumenten
Beenden</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Basic setting</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>dPMR</source>
        <translation>dPMR</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>PMS ch</source>
        <translation>PMS-Kanäle</translation>
    </message>
    <message>
        <source>Read	Ctrl+R</source>
        <translation>Lesen	Ctrl+R</translation>
    </message>
    <message>
        <source>Read Data From Radio
Read</source>
        <translation>Daten aus dem Funkgerät lesen
Lesen</translation>
    </message>
    <message>
        <source>Write	Ctrl+W</source>
        <translation>Schreiben	Ctrl+W</translation>
    </message>
    <message>
        <source>Write Data to Radio 
Write</source>
        <translation>Daten ins Funkgerät schreiben
Schreiben</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>Die Werkzeugleiste ein- oder ausblenden
Werkzeugleiste umschalten</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>Die Statusleiste ein- oder ausblenden
Statusleiste umschalten</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>About ...</source>
        <translation>Über ...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright
About</source>
        <translation>Programminformation, Versionsnummer und Copyright anzeigen
Über</translation>
    </message>
    <message>
        <source>Program software</source>
        <translation>Programmiersoftware</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programmieren</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>Open the user manual</source>
        <translation>Das Benutzerhandbuch öffnen</translation>
    </message>
</context>
<context>
    <name>CMenuPage</name>
    <message>
        <source>Menu reset time (s)</source>
        <translation>Menü-Rücksetzzeit (s)</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Menu language</source>
        <translation>Menüsprache</translation>
    </message>
</context>
<context>
    <name>CPasswordPage</name>
    <message>
        <source>Password Permit</source>
        <translation>Passwort verlangen</translation>
    </message>
    <message>
        <source>Power on pasword</source>
        <translation>Einschaltpasswort</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>There is no password: the radio will not ask for one, so &quot;Password Permit&quot; is stored as not required.</source>
        <translation>Es gibt kein Passwort: das Funkgerät fragt nicht danach, daher wird „Passwort verlangen“ als nicht erforderlich gespeichert.</translation>
    </message>
</context>
<context>
    <name>CPmsDlg</name>
    <message>
        <source>PMS Channel</source>
        <translation>PMS-Kanal</translation>
    </message>
</context>
<context>
    <name>CPortDlg</name>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>&amp;Device path:</source>
        <translation>&amp;Gerätepfad:</translation>
    </message>
    <message>
        <source>/dev/serial/by-id/... or /dev/pts/N</source>
        <translation>/dev/serial/by-id/... oder /dev/pts/N</translation>
    </message>
</context>
<context>
    <name>CProgramView</name>
    <message>
        <source>Freq Range</source>
        <translation>Frequenzbereich</translation>
    </message>
    <message>
        <source>Channel edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>1 channel lies outside %2-%3 MHz. Change the band anyway?</source>
        <translation>1 Kanal liegt außerhalb von %2-%3 MHz. Das Band trotzdem wechseln?</translation>
    </message>
    <message>
        <source>%1 channels lie outside %2-%3 MHz. Change the band anyway?</source>
        <translation>%1 Kanäle liegen außerhalb von %2-%3 MHz. Das Band trotzdem wechseln?</translation>
    </message>
    <message>
        <source>Lower band limit (MHz)</source>
        <translation>Untere Bandgrenze (MHz)</translation>
    </message>
    <message>
        <source>Upper band limit (MHz)</source>
        <translation>Obere Bandgrenze (MHz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
</context>
<context>
    <name>CReadWriteDlg</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>CRecentFilesMenu</name>
    <message>
        <source>Recent &amp;files</source>
        <translation>&amp;Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: it no longer exists.</source>
        <translation>„%1“ kann nicht geöffnet werden: die Datei existiert nicht mehr.</translation>
    </message>
    <message>
        <source>It has been taken off the recent files.</source>
        <translation>Sie wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
</context>
<context>
    <name>CScanInfoPage</name>
    <message>
        <source>&amp;Scan mode</source>
        <translation>&amp;Suchlaufmodus</translation>
    </message>
    <message>
        <source>&amp;Priority channel</source>
        <translation>&amp;Prioritätskanal</translation>
    </message>
    <message>
        <source>S&amp;top time</source>
        <translation>&amp;Stoppzeit</translation>
    </message>
    <message>
        <source>Shorter</source>
        <translation>Kürzer</translation>
    </message>
    <message>
        <source>Longer</source>
        <translation>Länger</translation>
    </message>
    <message>
        <source>Scan tx/rx &amp;resume delay time</source>
        <translation>Suchlauf-&amp;Fortsetzung nach Senden/Empfang</translation>
    </message>
</context>
<context>
    <name>CSideKeyPage</name>
    <message>
        <source>Long key time (s)</source>
        <translation>Dauer langer Tastendruck (s)</translation>
    </message>
    <message>
        <source>Less</source>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>SK1</source>
        <translation>SK1</translation>
    </message>
    <message>
        <source>Short press</source>
        <translation>Kurzer Druck</translation>
    </message>
    <message>
        <source>Long press</source>
        <translation>Langer Druck</translation>
    </message>
    <message>
        <source>SK2</source>
        <translation>SK2</translation>
    </message>
    <message>
        <source>SK3</source>
        <translation>SK3</translation>
    </message>
    <message>
        <source>P1</source>
        <translation>P1</translation>
    </message>
    <message>
        <source>P2</source>
        <translation>P2</translation>
    </message>
    <message>
        <source>P3</source>
        <translation>P3</translation>
    </message>
    <message>
        <source>P4</source>
        <translation>P4</translation>
    </message>
</context>
<context>
    <name>CToneLightPage</name>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Power on tone</source>
        <translation>Einschaltton</translation>
    </message>
    <message>
        <source>Call out tone</source>
        <translation>Rufton ausgehend</translation>
    </message>
    <message>
        <source>Low voltage</source>
        <translation>Unterspannung</translation>
    </message>
    <message>
        <source>Exhaled end tone</source>
        <translation>Sendeende-Ton</translation>
    </message>
    <message>
        <source>Single call tone</source>
        <translation>Einzelrufton</translation>
    </message>
    <message>
        <source>Group call tone</source>
        <translation>Gruppenrufton</translation>
    </message>
    <message>
        <source>Call end tone</source>
        <translation>Rufende-Ton</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Tx light</source>
        <translation>Sendelicht</translation>
    </message>
    <message>
        <source>Rx light</source>
        <translation>Empfangslicht</translation>
    </message>
    <message>
        <source>Scan state light</source>
        <translation>Suchlauf-Licht</translation>
    </message>
    <message>
        <source>Low voltage light</source>
        <translation>Licht bei Unterspannung</translation>
    </message>
    <message>
        <source>Shock</source>
        <translation>Erschütterung</translation>
    </message>
</context>
<context>
    <name>CVfoPage</name>
    <message>
        <source>VFO mode</source>
        <translation>VFO-Modus</translation>
    </message>
    <message>
        <source>&amp;Rx Freq (MHz)</source>
        <translation>Empfangsfre&amp;quenz (MHz)</translation>
    </message>
    <message>
        <source>Tx Fre&amp;q (MHz)</source>
        <translation>Sendefrequen&amp;z (MHz)</translation>
    </message>
    <message>
        <source>R&amp;x Tone</source>
        <translation>Empfangs&amp;ton</translation>
    </message>
    <message>
        <source>Tx T&amp;one</source>
        <translation>Sendet&amp;on</translation>
    </message>
    <message>
        <source>C&amp;hannel type</source>
        <translation>Kanalt&amp;yp</translation>
    </message>
    <message>
        <source>Tx po&amp;wer</source>
        <translation>Sende&amp;leistung</translation>
    </message>
    <message>
        <source>&amp;Signal type</source>
        <translation>&amp;Signaltyp</translation>
    </message>
    <message>
        <source>Ban&amp;dwidth</source>
        <translation>&amp;Bandbreite</translation>
    </message>
    <message>
        <source>Offset d&amp;irection</source>
        <translation>Ablage&amp;richtung</translation>
    </message>
    <message>
        <source>O&amp;ffset freq (MHz)</source>
        <translation>&amp;Ablagefrequenz (MHz)</translation>
    </message>
    <message>
        <source>&amp;Busy</source>
        <translation>Belegts&amp;perre</translation>
    </message>
    <message>
        <source>Re&amp;verse</source>
        <translation>U&amp;mkehren</translation>
    </message>
    <message>
        <source>Sca&amp;n</source>
        <translation>Suchlau&amp;f</translation>
    </message>
    <message>
        <source>Tal&amp;k around</source>
        <translation>Direkt&amp;verkehr</translation>
    </message>
    <message>
        <source>&amp;PTTID</source>
        <translation>PTT-&amp;ID</translation>
    </message>
    <message>
        <source>Onl&amp;y rx</source>
        <translation>Nur &amp;Empfang</translation>
    </message>
    <message>
        <source>&amp;Encrypt key</source>
        <translation>S&amp;chlüssel</translation>
    </message>
    <message>
        <source>&amp;Contact</source>
        <translation>&amp;Kontakt</translation>
    </message>
    <message>
        <source>&amp;Group rx list</source>
        <translation>&amp;Gruppenempfangsliste</translation>
    </message>
    <message>
        <source>VFO sc&amp;an</source>
        <translation>VFO-Suc&amp;hlauf</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>Schritt&amp;weite</translation>
    </message>
    <message>
        <source>OACSU</source>
        <translation>OACSU</translation>
    </message>
    <message>
        <source>Rx co&amp;lor</source>
        <translation>Colour Co&amp;de Empfang</translation>
    </message>
    <message>
        <source>Tx color</source>
        <translation>Colour Code Senden</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Datentyp</translation>
    </message>
    <message>
        <source>Stat&amp;us info no</source>
        <translation>Stat&amp;usinfo-Nr.</translation>
    </message>
</context>
<context>
    <name>ChannelEditActions</name>
    <message>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Lee&amp;ren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>Leeren Kanal &amp;einfügen</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move dow&amp;n</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Set for selection</source>
        <translation>Für die Auswahl setzen</translation>
    </message>
    <message>
        <source>Clear the selected channels</source>
        <translation>Die ausgewählten Kanäle leeren</translation>
    </message>
    <message>
        <source>Delete the selected channels; the channels below move up</source>
        <translation>Die ausgewählten Kanäle löschen; die Kanäle darunter rücken nach oben</translation>
    </message>
    <message>
        <source>Insert an empty channel; the channels below move down</source>
        <translation>Einen leeren Kanal einfügen; die Kanäle darunter rücken nach unten</translation>
    </message>
    <message>
        <source>Move the selected channels up one row</source>
        <translation>Die ausgewählten Kanäle eine Zeile nach oben schieben</translation>
    </message>
    <message>
        <source>Move the selected channels down one row</source>
        <translation>Die ausgewählten Kanäle eine Zeile nach unten schieben</translation>
    </message>
    <message>
        <source>Give every selected channel the value of the current cell</source>
        <translation>Allen ausgewählten Kanälen den Wert der aktuellen Zelle geben</translation>
    </message>
    <message>
        <source>&amp;Hide empty channels</source>
        <translation>Leere Kanäle &amp;ausblenden</translation>
    </message>
    <message>
        <source>%1 copied</source>
        <translation>%1 kopiert</translation>
    </message>
    <message>
        <source>%1 cut</source>
        <translation>%1 ausgeschnitten</translation>
    </message>
    <message>
        <source>No channel was inserted.</source>
        <translation>Es wurde kein Kanal eingefügt.</translation>
    </message>
    <message>
        <source>Set %1 to &quot;%2&quot; for selection</source>
        <translation>%1 auf „%2“ für die Auswahl setzen</translation>
    </message>
    <message>
        <source>%1 set to &quot;%2&quot; on %3</source>
        <translation>%1 auf „%2“ gesetzt bei %3</translation>
    </message>
    <message>
        <source>The clipboard holds no channels.</source>
        <translation>Die Zwischenablage enthält keine Kanäle.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>No channel could be read from the pasted text.</source>
        <translation>Aus dem eingefügten Text konnte kein Kanal gelesen werden.</translation>
    </message>
    <message>
        <source>1 row of the pasted text could not be read and is left out.</source>
        <translation>1 Zeile des eingefügten Textes konnte nicht gelesen werden und wurde ausgelassen.</translation>
    </message>
    <message>
        <source>%1 rows of the pasted text could not be read and are left out.</source>
        <translation>%1 Zeilen des eingefügten Textes konnten nicht gelesen werden und wurden ausgelassen.</translation>
    </message>
    <message>
        <source>Nothing was pasted.</source>
        <translation>Nichts wurde eingefügt.</translation>
    </message>
    <message>
        <source>Paste the other %1?</source>
        <translation>Die übrigen %1 einfügen?</translation>
    </message>
    <message>
        <source>%1 pasted</source>
        <translation>%1 eingefügt</translation>
    </message>
</context>
<context>
    <name>ChannelExchangeCommands</name>
    <message>
        <source>Channel list (*.csv);;All files (*)</source>
        <translation>Kanalliste (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export channels</source>
        <translation>Kanäle exportieren</translation>
    </message>
    <message>
        <source>Nothing was imported; the channels are as they were.</source>
        <translation>Nichts wurde importiert; die Kanäle sind unverändert.</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 aus %2</translation>
    </message>
    <message>
        <source>Channels exported to %1</source>
        <translation>Kanäle exportiert nach %1</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>10M</source>
        <translation>10 Min</translation>
    </message>
    <message>
        <source>1750 signal</source>
        <translation>1750-Hz-Ton</translation>
    </message>
    <message>
        <source>1H</source>
        <translation>1 Std</translation>
    </message>
    <message>
        <source>1MHz</source>
        <translation>1MHz</translation>
    </message>
    <message>
        <source>2H</source>
        <translation>2 Std</translation>
    </message>
    <message>
        <source>2MHz</source>
        <translation>2MHz</translation>
    </message>
    <message>
        <source>30M</source>
        <translation>30 Min</translation>
    </message>
    <message>
        <source>5MHz</source>
        <translation>5MHz</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>AMBE+2C</source>
        <translation>AMBE+2C</translation>
    </message>
    <message>
        <source>ASELP</source>
        <translation>ASELP</translation>
    </message>
    <message>
        <source>ASELP 2</source>
        <translation>ASELP 2</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>All call</source>
        <translation>Sammelruf</translation>
    </message>
    <message>
        <source>Allow</source>
        <translation>Erlauben</translation>
    </message>
    <message>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Auto contact</source>
        <translation>Automatischer Kontakt</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>BAND</source>
        <translation>BAND</translation>
    </message>
    <message>
        <source>Back Light</source>
        <translation>Hintergrundlicht</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Klingel</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Ruf</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <source>Channel type</source>
        <translation>Kanaltyp</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinesisch</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>Übertragungsfehler</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Cound not open the port</source>
        <translation>Der Anschluss konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>Data Type 1</source>
        <translation>Datentyp 1</translation>
    </message>
    <message>
        <source>Data Type 2</source>
        <translation>Datentyp 2</translation>
    </message>
    <message>
        <source>Data Type 3</source>
        <translation>Datentyp 3</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Direct</source>
        <translation>Direkt</translation>
    </message>
    <message>
        <source>Encrypt</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Freq</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Function key</source>
        <translation>Funktionstaste</translation>
    </message>
    <message>
        <source>Group call</source>
        <translation>Gruppenruf</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Inhibit</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Mixed(Analog)</source>
        <translation>Gemischt (Analog)</translation>
    </message>
    <message>
        <source>Mixed(Digit)</source>
        <translation>Gemischt (Digital)</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Nachr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>No pri ch</source>
        <translation>Kein Prioritätskanal</translation>
    </message>
    <message>
        <source>Noise ch tmp remove</source>
        <translation>Störkanal vorübergehend auslassen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Off-line</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>On-line</source>
        <translation>Online</translation>
    </message>
    <message>
        <source>One key call 1</source>
        <translation>Ein-Tasten-Ruf 1</translation>
    </message>
    <message>
        <source>One key call 2</source>
        <translation>Ein-Tasten-Ruf 2</translation>
    </message>
    <message>
        <source>One key call 3</source>
        <translation>Ein-Tasten-Ruf 3</translation>
    </message>
    <message>
        <source>One key call 4</source>
        <translation>Ein-Tasten-Ruf 4</translation>
    </message>
    <message>
        <source>One key call 5</source>
        <translation>Ein-Tasten-Ruf 5</translation>
    </message>
    <message>
        <source>Only rx</source>
        <translation>Nur Empfang</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Reverse freq</source>
        <translation>Frequenzen tauschen</translation>
    </message>
    <message>
        <source>Rx Freq</source>
        <translation>Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Rx Tone</source>
        <translation>Empfangston</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Single call</source>
        <translation>Einzelruf</translation>
    </message>
    <message>
        <source>Slow user data</source>
        <translation>Langsame Nutzdaten</translation>
    </message>
    <message>
        <source>Specified ch</source>
        <translation>Festgelegter Kanal</translation>
    </message>
    <message>
        <source>Status message</source>
        <translation>Statusmeldung</translation>
    </message>
    <message>
        <source>Stun</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Talk around</source>
        <translation>Direktverkehr</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Tx Freq</source>
        <translation>Sendefrequenz</translation>
    </message>
    <message>
        <source>Tx Tone</source>
        <translation>Sendeton</translation>
    </message>
    <message>
        <source>Tx inhibit</source>
        <translation>Senden sperren</translation>
    </message>
    <message>
        <source>Upside</source>
        <translation>Kopfüber</translation>
    </message>
    <message>
        <source>VFO key</source>
        <translation>VFO-Taste</translation>
    </message>
    <message>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <source>Wake</source>
        <translation>Wecken</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Work alone</source>
        <translation>Alleinarbeit</translation>
    </message>
    <message>
        <source>all ch</source>
        <translation>alle Kanäle</translation>
    </message>
    <message>
        <source>allow</source>
        <translation>erlauben</translation>
    </message>
    <message>
        <source>close</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>continuous</source>
        <translation>dauernd</translation>
    </message>
    <message>
        <source>entry ch before scan</source>
        <translation>Kanal vor dem Suchlauf</translation>
    </message>
    <message>
        <source>last active ch</source>
        <translation>zuletzt aktiver Kanal</translation>
    </message>
    <message>
        <source>limited ch</source>
        <translation>begrenzte Kanäle</translation>
    </message>
    <message>
        <source>normal</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>only rx</source>
        <translation>nur Empfang</translation>
    </message>
    <message>
        <source>only whistle</source>
        <translation>nur Pfeifton</translation>
    </message>
    <message>
        <source>prohibit</source>
        <translation>verbieten</translation>
    </message>
    <message>
        <source>remind</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>remind and response</source>
        <translation>Hinweis und Antwort</translation>
    </message>
    <message>
        <source>repeat</source>
        <translation>wiederholen</translation>
    </message>
    <message>
        <source>response</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>secret</source>
        <translation>geheim</translation>
    </message>
    <message>
        <source>send alarm id</source>
        <translation>Alarm-ID senden</translation>
    </message>
    <message>
        <source>stun</source>
        <translation>sperren</translation>
    </message>
    <message>
        <source>tx inhibit</source>
        <translation>Senden sperren</translation>
    </message>
    <message>
        <source>tx/rx inhibit</source>
        <translation>Senden/Empfang sperren</translation>
    </message>
    <message>
        <source>unlimited</source>
        <translation>unbegrenzt</translation>
    </message>
    <message>
        <source>A call to one radio, to a group, or to all radios.</source>
        <translation>Ein Ruf an ein Funkgerät, an eine Gruppe oder an alle Funkgeräte.</translation>
    </message>
    <message>
        <source>APO (automatic power off) after this long without use.</source>
        <translation>APO (automatisches Ausschalten) nach dieser Zeit ohne Bedienung.</translation>
    </message>
    <message>
        <source>Allow copying the settings to another radio over a cable.</source>
        <translation>Kopieren der Einstellungen per Kabel auf ein anderes Funkgerät erlauben.</translation>
    </message>
    <message>
        <source>Analog FM, digital dPMR, or mixed: receives both and transmits the first named.</source>
        <translation>Analog FM, digital dPMR oder gemischt: empfängt beides und sendet in der zuerst genannten Betriebsart.</translation>
    </message>
    <message>
        <source>Answer on the channel where the scan stopped.</source>
        <translation>Auf dem Kanal antworten, auf dem der Suchlauf angehalten hat.</translation>
    </message>
    <message>
        <source>Area part of the radio&apos;s dPMR address.</source>
        <translation>Bereichsteil der dPMR-Adresse des Funkgeräts.</translation>
    </message>
    <message>
        <source>Ask for the password when the radio is switched on.</source>
        <translation>Beim Einschalten des Funkgeräts nach dem Passwort fragen.</translation>
    </message>
    <message>
        <source>Auto dial numbers</source>
        <translation>Kurzwahlnummern</translation>
    </message>
    <message>
        <source>Battery saving: sleep against listen time while idle.</source>
        <translation>Stromsparen: Verhältnis von Ruhe- zu Empfangszeit im Leerlauf.</translation>
    </message>
    <message>
        <source>Beep briefly when a code is sent.</source>
        <translation>Kurzer Piepton beim Senden eines Codes.</translation>
    </message>
    <message>
        <source>Beep for this event.</source>
        <translation>Piepton bei diesem Ereignis.</translation>
    </message>
    <message>
        <source>Beep when a scan ends.</source>
        <translation>Piepton, wenn ein Suchlauf endet.</translation>
    </message>
    <message>
        <source>Beep when a scan starts.</source>
        <translation>Piepton, wenn ein Suchlauf beginnt.</translation>
    </message>
    <message>
        <source>Beep when the battery runs low.</source>
        <translation>Piepton bei schwachem Akku.</translation>
    </message>
    <message>
        <source>Busy lock: no transmitting while the channel is in use.</source>
        <translation>Belegtsperre: kein Senden, solange der Kanal belegt ist.</translation>
    </message>
    <message>
        <source>CTCSS tone or DCS code sent with the voice so that other radios open for it.</source>
        <translation>CTCSS-Ton oder DCS-Code, der mit der Sprache gesendet wird, damit andere Funkgeräte dafür öffnen.</translation>
    </message>
    <message>
        <source>CTCSS tone or DCS code the receiver needs before it opens the speaker (None: any signal).</source>
        <translation>CTCSS-Ton oder DCS-Code, den der Empfänger braucht, bevor er den Lautsprecher öffnet (Keine: jedes Signal).</translation>
    </message>
    <message>
        <source>Call list</source>
        <translation>Rufliste</translation>
    </message>
    <message>
        <source>Call mode</source>
        <translation>Rufmodus</translation>
    </message>
    <message>
        <source>Call the emergency contact automatically.</source>
        <translation>Den Notrufkontakt automatisch rufen.</translation>
    </message>
    <message>
        <source>Call type</source>
        <translation>Rufart</translation>
    </message>
    <message>
        <source>Carrier sent before the data so other radios wake up.</source>
        <translation>Träger, der vor den Daten gesendet wird, damit andere Funkgeräte aufwachen.</translation>
    </message>
    <message>
        <source>Channel the radio transmits on while scanning.</source>
        <translation>Kanal, auf dem das Funkgerät während des Suchlaufs sendet.</translation>
    </message>
    <message>
        <source>Channel the scan checks more often than the others.</source>
        <translation>Kanal, den der Suchlauf häufiger prüft als die anderen.</translation>
    </message>
    <message>
        <source>Channel used for transmitting when Scan tx channel says so.</source>
        <translation>Kanal zum Senden, wenn der Suchlauf-Sendekanal dies vorsieht.</translation>
    </message>
    <message>
        <source>Channel width: Wide 25 kHz or Narrow 12.5 kHz.</source>
        <translation>Kanalbreite: Breit 25 kHz oder Schmal 12.5 kHz.</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Code sent when the PTT key is pressed.</source>
        <translation>Code, der beim Drücken der PTT-Taste gesendet wird.</translation>
    </message>
    <message>
        <source>Code sent when the PTT key is released.</source>
        <translation>Code, der beim Loslassen der PTT-Taste gesendet wird.</translation>
    </message>
    <message>
        <source>Code that brings a stunned radio back.</source>
        <translation>Code, der ein gesperrtes Funkgerät wieder freigibt.</translation>
    </message>
    <message>
        <source>Code that disables this radio when received.</source>
        <translation>Code, der dieses Funkgerät bei Empfang deaktiviert.</translation>
    </message>
    <message>
        <source>Code that stuns this radio.</source>
        <translation>Code, der dieses Funkgerät sperrt.</translation>
    </message>
    <message>
        <source>Colour code a digital signal must carry to be received (Auto: any).</source>
        <translation>Colour Code, den ein digitales Signal tragen muss, um empfangen zu werden (Auto: jeder).</translation>
    </message>
    <message>
        <source>Colour code sent with digital transmissions (Auto: the radio&apos;s).</source>
        <translation>Colour Code, der bei digitalen Aussendungen mitgesendet wird (Auto: der des Funkgeräts).</translation>
    </message>
    <message>
        <source>Contact (digital) or auto-dial code (analog) called.</source>
        <translation>Gerufener Kontakt (digital) oder Kurzwahlcode (analog).</translation>
    </message>
    <message>
        <source>Contact a digital call on this channel goes to.</source>
        <translation>Kontakt, an den ein digitaler Ruf auf diesem Kanal geht.</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>DTMF code dialled from the auto-dial list.</source>
        <translation>DTMF-Code, der aus der Kurzwahlliste gewählt wird.</translation>
    </message>
    <message>
        <source>Delay before a transmission starts.</source>
        <translation>Verzögerung vor Beginn einer Aussendung.</translation>
    </message>
    <message>
        <source>Digit that turns a received code into a group call.</source>
        <translation>Ziffer, die einen empfangenen Code zum Gruppenruf macht.</translation>
    </message>
    <message>
        <source>Digits of a dialled number the radio completes itself.</source>
        <translation>Ziffern einer gewählten Nummer, die das Funkgerät selbst ergänzt.</translation>
    </message>
    <message>
        <source>Display backlight: off, on, or lit for a while after a key.</source>
        <translation>Hintergrundlicht des Displays: aus, ein oder nach einem Tastendruck eine Weile an.</translation>
    </message>
    <message>
        <source>Flash the light when the battery runs low.</source>
        <translation>Bei schwachem Akku das Licht blinken lassen.</translation>
    </message>
    <message>
        <source>Function of a long press on programmable key P1.</source>
        <translation>Funktion bei langem Druck auf die programmierbare Taste P1.</translation>
    </message>
    <message>
        <source>Function of a long press on programmable key P2.</source>
        <translation>Funktion bei langem Druck auf die programmierbare Taste P2.</translation>
    </message>
    <message>
        <source>Function of a long press on programmable key P3.</source>
        <translation>Funktion bei langem Druck auf die programmierbare Taste P3.</translation>
    </message>
    <message>
        <source>Function of a long press on programmable key P4.</source>
        <translation>Funktion bei langem Druck auf die programmierbare Taste P4.</translation>
    </message>
    <message>
        <source>Function of a long press on side key 1.</source>
        <translation>Funktion bei langem Druck auf Seitentaste 1.</translation>
    </message>
    <message>
        <source>Function of a long press on side key 2.</source>
        <translation>Funktion bei langem Druck auf Seitentaste 2.</translation>
    </message>
    <message>
        <source>Function of a long press on side key 3.</source>
        <translation>Funktion bei langem Druck auf Seitentaste 3.</translation>
    </message>
    <message>
        <source>Function of a short press on programmable key P1.</source>
        <translation>Funktion bei kurzem Druck auf die programmierbare Taste P1.</translation>
    </message>
    <message>
        <source>Function of a short press on programmable key P2.</source>
        <translation>Funktion bei kurzem Druck auf die programmierbare Taste P2.</translation>
    </message>
    <message>
        <source>Function of a short press on programmable key P3.</source>
        <translation>Funktion bei kurzem Druck auf die programmierbare Taste P3.</translation>
    </message>
    <message>
        <source>Function of a short press on programmable key P4.</source>
        <translation>Funktion bei kurzem Druck auf die programmierbare Taste P4.</translation>
    </message>
    <message>
        <source>Function of a short press on side key 1.</source>
        <translation>Funktion bei kurzem Druck auf Seitentaste 1.</translation>
    </message>
    <message>
        <source>Function of a short press on side key 2.</source>
        <translation>Funktion bei kurzem Druck auf Seitentaste 2.</translation>
    </message>
    <message>
        <source>Function of a short press on side key 3.</source>
        <translation>Funktion bei kurzem Druck auf Seitentaste 3.</translation>
    </message>
    <message>
        <source>Group call the list receives.</source>
        <translation>Gruppenruf, den die Liste empfängt.</translation>
    </message>
    <message>
        <source>Group list whose calls this channel receives.</source>
        <translation>Gruppenliste, deren Rufe dieser Kanal empfängt.</translation>
    </message>
    <message>
        <source>Group lists</source>
        <translation>Gruppenlisten</translation>
    </message>
    <message>
        <source>Hear the DTMF digits as they are sent.</source>
        <translation>Die DTMF-Ziffern beim Senden mithören.</translation>
    </message>
    <message>
        <source>High freq</source>
        <translation>Obere Frequenz</translation>
    </message>
    <message>
        <source>How fast DTMF digits are sent.</source>
        <translation>Wie schnell DTMF-Ziffern gesendet werden.</translation>
    </message>
    <message>
        <source>How long a VOX transmission lasts after you stop speaking.</source>
        <translation>Wie lange eine VOX-Aussendung nach dem Ende des Sprechens andauert.</translation>
    </message>
    <message>
        <source>How long a key is held to count as a long press.</source>
        <translation>Wie lange eine Taste gehalten werden muss, damit es als langer Druck gilt.</translation>
    </message>
    <message>
        <source>How long a scan stays on a busy channel (Time mode).</source>
        <translation>Wie lange der Suchlauf auf einem belegten Kanal verweilt (Modus Zeit).</translation>
    </message>
    <message>
        <source>How long each alarm transmission lasts.</source>
        <translation>Wie lange jede Alarmaussendung dauert.</translation>
    </message>
    <message>
        <source>How long the alarm goes on after it was started.</source>
        <translation>Wie lange der Alarm nach dem Auslösen andauert.</translation>
    </message>
    <message>
        <source>How long the alarm sounds.</source>
        <translation>Wie lange der Alarm ertönt.</translation>
    </message>
    <message>
        <source>How long the radio listens between alarm transmissions.</source>
        <translation>Wie lange das Funkgerät zwischen Alarmaussendungen empfängt.</translation>
    </message>
    <message>
        <source>How long the radio must stay tilted before the alarm.</source>
        <translation>Wie lange das Funkgerät vor dem Alarm gekippt bleiben muss.</translation>
    </message>
    <message>
        <source>How long the radio stays with a group call after it ends.</source>
        <translation>Wie lange das Funkgerät nach dem Ende eines Gruppenrufs bei diesem bleibt.</translation>
    </message>
    <message>
        <source>How long the radio stays with a single call after it ends.</source>
        <translation>Wie lange das Funkgerät nach dem Ende eines Einzelrufs bei diesem bleibt.</translation>
    </message>
    <message>
        <source>How long the radio waits for a reply.</source>
        <translation>Wie lange das Funkgerät auf eine Antwort wartet.</translation>
    </message>
    <message>
        <source>How long the radio waits for an acknowledgement.</source>
        <translation>Wie lange das Funkgerät auf eine Bestätigung wartet.</translation>
    </message>
    <message>
        <source>How long the radio waits for the next digit of a code.</source>
        <translation>Wie lange das Funkgerät auf die nächste Ziffer eines Codes wartet.</translation>
    </message>
    <message>
        <source>How loud speech must be to start a VOX transmission.</source>
        <translation>Wie laut gesprochen werden muss, um eine VOX-Aussendung zu starten.</translation>
    </message>
    <message>
        <source>How many times the alarm repeats.</source>
        <translation>Wie oft der Alarm wiederholt wird.</translation>
    </message>
    <message>
        <source>How often a call is repeated while no acknowledgement comes.</source>
        <translation>Wie oft ein Ruf wiederholt wird, solange keine Bestätigung kommt.</translation>
    </message>
    <message>
        <source>ID sent with an alarm.</source>
        <translation>ID, die mit einem Alarm gesendet wird.</translation>
    </message>
    <message>
        <source>Idle time after which the radio leaves its menu.</source>
        <translation>Zeit ohne Bedienung, nach der das Funkgerät das Menü verlässt.</translation>
    </message>
    <message>
        <source>Idle time before battery saving starts.</source>
        <translation>Zeit ohne Aktivität, bevor das Stromsparen beginnt.</translation>
    </message>
    <message>
        <source>Keep received calls for replay.</source>
        <translation>Empfangene Rufe zur Wiedergabe speichern.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Key beeps.</source>
        <translation>Tastentöne.</translation>
    </message>
    <message>
        <source>Key that scrambles digital voice on this channel.</source>
        <translation>Schlüssel, mit dem die digitale Sprache auf diesem Kanal verschlüsselt wird.</translation>
    </message>
    <message>
        <source>Key that scrambles digital voice.</source>
        <translation>Schlüssel, mit dem die digitale Sprache verschlüsselt wird.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Kind of call made.</source>
        <translation>Art des Rufs.</translation>
    </message>
    <message>
        <source>Kind of data the radio sends on this digital channel.</source>
        <translation>Art der Daten, die das Funkgerät auf diesem digitalen Kanal sendet.</translation>
    </message>
    <message>
        <source>Language of the radio&apos;s menus.</source>
        <translation>Sprache der Menüs des Funkgeräts.</translation>
    </message>
    <message>
        <source>Length of the * and # digits.</source>
        <translation>Dauer der Ziffern * und #.</translation>
    </message>
    <message>
        <source>Length of the first digit.</source>
        <translation>Dauer der ersten Ziffer.</translation>
    </message>
    <message>
        <source>Light the lamp while receiving.</source>
        <translation>Leuchte beim Empfang einschalten.</translation>
    </message>
    <message>
        <source>Light the lamp while scanning.</source>
        <translation>Leuchte während des Suchlaufs einschalten.</translation>
    </message>
    <message>
        <source>Light the lamp while transmitting.</source>
        <translation>Leuchte beim Senden einschalten.</translation>
    </message>
    <message>
        <source>Lone-worker check: the user must press a key every so often.</source>
        <translation>Alleinarbeit-Überwachung: der Benutzer muss in regelmäßigen Abständen eine Taste drücken.</translation>
    </message>
    <message>
        <source>Low freq</source>
        <translation>Untere Frequenz</translation>
    </message>
    <message>
        <source>Lower end of a programmable memory scan range.</source>
        <translation>Untere Grenze eines PMS-Suchlaufbereichs (programmierbarer Speichersuchlauf).</translation>
    </message>
    <message>
        <source>Man-down alarm when the radio is tilted over.</source>
        <translation>Kopfüber-Alarm (Man-Down), wenn das Funkgerät umkippt.</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Name of the contact as the radio shows it.</source>
        <translation>Name des Kontakts, wie ihn das Funkgerät anzeigt.</translation>
    </message>
    <message>
        <source>Name the radio shows and sends to others.</source>
        <translation>Name, den das Funkgerät anzeigt und an andere sendet.</translation>
    </message>
    <message>
        <source>Name the radio shows for the channel.</source>
        <translation>Name, den das Funkgerät für den Kanal anzeigt.</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Number an emergency call goes to.</source>
        <translation>Nummer, an die ein Notruf geht.</translation>
    </message>
    <message>
        <source>OACSU: check that the called radio is there before the call is set up.</source>
        <translation>OACSU: vor dem Rufaufbau prüfen, ob das gerufene Funkgerät erreichbar ist.</translation>
    </message>
    <message>
        <source>Obey stun and active codes from other radios.</source>
        <translation>Sperr- und Aktivierungscodes anderer Funkgeräte befolgen.</translation>
    </message>
    <message>
        <source>One key calls</source>
        <translation>Ein-Tasten-Rufe</translation>
    </message>
    <message>
        <source>PMS channels</source>
        <translation>PMS-Kanäle</translation>
    </message>
    <message>
        <source>PTT ID: send the DTMF identity code when the PTT key is pressed.</source>
        <translation>PTT-ID: beim Drücken der PTT-Taste den DTMF-Kenncode senden.</translation>
    </message>
    <message>
        <source>PTT ID: send the code when the PTT key is pressed (on-line), released (off-line), or both.</source>
        <translation>PTT-ID: den Code beim Drücken der PTT-Taste (Online), beim Loslassen (Offline) oder bei beidem senden.</translation>
    </message>
    <message>
        <source>Pause that resets the time-out timer.</source>
        <translation>Sendepause, nach der der TOT zurückgesetzt wird.</translation>
    </message>
    <message>
        <source>Receive calls addressed to all radios.</source>
        <translation>Rufe an alle Funkgeräte empfangen.</translation>
    </message>
    <message>
        <source>Receive frequency; empty leaves the channel unused.</source>
        <translation>Empfangsfrequenz; leer lässt den Kanal unbenutzt.</translation>
    </message>
    <message>
        <source>Reminder this long before a lone-worker alarm.</source>
        <translation>Vorwarnung diese Zeit vor einem Alleinarbeit-Alarm.</translation>
    </message>
    <message>
        <source>Repeater shift: the distance between receive and transmit.</source>
        <translation>Relaisablage: Abstand zwischen Empfangs- und Sendefrequenz.</translation>
    </message>
    <message>
        <source>Repeater shift: transmit above (+) or below (-) the receive frequency.</source>
        <translation>Relaisablage: oberhalb (+) oder unterhalb (-) der Empfangsfrequenz senden.</translation>
    </message>
    <message>
        <source>Reverse: swap the receive and transmit frequencies.</source>
        <translation>Umkehren: Empfangs- und Sendefrequenz tauschen.</translation>
    </message>
    <message>
        <source>SQL (squelch): how strong a signal must be to open the speaker; 0 is open.</source>
        <translation>SQL (Squelch): wie stark ein Signal sein muss, um den Lautsprecher zu öffnen; 0 ist offen.</translation>
    </message>
    <message>
        <source>STE (squelch tail elimination): hides the noise burst when the other radio stops; a phase shift in degrees or a frequency.</source>
        <translation>STE (Squelch Tail Elimination): unterdrückt das Rauschen, wenn die Gegenstation aufhört zu senden; eine Phasenverschiebung in Grad oder eine Frequenz.</translation>
    </message>
    <message>
        <source>Scramble digital voice with the channel&apos;s key.</source>
        <translation>Digitale Sprache mit dem Schlüssel des Kanals verschlüsseln.</translation>
    </message>
    <message>
        <source>Second bit of the wired copy setting, kept with the first.</source>
        <translation>Zweites Bit der Einstellung Kabelkopie, wird zusammen mit dem ersten gespeichert.</translation>
    </message>
    <message>
        <source>Short message sent with the call.</source>
        <translation>Kurznachricht, die mit dem Ruf gesendet wird.</translation>
    </message>
    <message>
        <source>Short text message the radio can send.</source>
        <translation>Kurze Textnachricht, die das Funkgerät senden kann.</translation>
    </message>
    <message>
        <source>Show the codes the radio receives.</source>
        <translation>Die empfangenen Codes anzeigen.</translation>
    </message>
    <message>
        <source>Signalling sent on this channel: none or DTMF codes.</source>
        <translation>Auf diesem Kanal gesendete Signalisierung: keine oder DTMF-Codes.</translation>
    </message>
    <message>
        <source>Signalling used to send the alarm ID.</source>
        <translation>Signalisierung, mit der die Alarm-ID gesendet wird.</translation>
    </message>
    <message>
        <source>Six-digit password asked at power on.</source>
        <translation>Sechsstelliges Passwort, das beim Einschalten abgefragt wird.</translation>
    </message>
    <message>
        <source>Status light on the radio&apos;s top.</source>
        <translation>Statusleuchte oben am Funkgerät.</translation>
    </message>
    <message>
        <source>Status number the radio sends with a status message.</source>
        <translation>Statusnummer, die das Funkgerät mit einer Statusmeldung sendet.</translation>
    </message>
    <message>
        <source>Step of the tuning knob in VFO mode.</source>
        <translation>Schrittweite des Abstimmknopfs im VFO-Modus.</translation>
    </message>
    <message>
        <source>TOT (time-out timer): longest single transmission.</source>
        <translation>TOT (Time-out-Timer): längste zulässige Dauer einer einzelnen Aussendung.</translation>
    </message>
    <message>
        <source>Talk around: transmit on the receive frequency, bypassing a repeater.</source>
        <translation>Direktverkehr: auf der Empfangsfrequenz senden und so das Relais umgehen.</translation>
    </message>
    <message>
        <source>Talk radio to radio (Direct) or through a repeater.</source>
        <translation>Von Funkgerät zu Funkgerät (Direkt) oder über ein Relais sprechen.</translation>
    </message>
    <message>
        <source>The channel is part of the scan.</source>
        <translation>Der Kanal ist Teil des Suchlaufs.</translation>
    </message>
    <message>
        <source>The contact&apos;s dPMR number.</source>
        <translation>Die dPMR-Nummer des Kontakts.</translation>
    </message>
    <message>
        <source>The radio never transmits on this channel.</source>
        <translation>Das Funkgerät sendet auf diesem Kanal nie.</translation>
    </message>
    <message>
        <source>The radio&apos;s own dPMR number.</source>
        <translation>Die eigene dPMR-Nummer des Funkgeräts.</translation>
    </message>
    <message>
        <source>This radio&apos;s own DTMF code.</source>
        <translation>Der eigene DTMF-Code dieses Funkgeräts.</translation>
    </message>
    <message>
        <source>Tilt at which the radio counts as upright again.</source>
        <translation>Neigung, ab der das Funkgerät wieder als aufrecht gilt.</translation>
    </message>
    <message>
        <source>Tilt that starts the man-down alarm.</source>
        <translation>Neigung, die den Kopfüber-Alarm auslöst.</translation>
    </message>
    <message>
        <source>Time after which a decoded call is cleared.</source>
        <translation>Zeit, nach der ein dekodierter Ruf gelöscht wird.</translation>
    </message>
    <message>
        <source>Time between alarm transmissions.</source>
        <translation>Zeit zwischen Alarmaussendungen.</translation>
    </message>
    <message>
        <source>Time between lone-worker checks.</source>
        <translation>Zeit zwischen Alleinarbeit-Abfragen.</translation>
    </message>
    <message>
        <source>Time between queries to the alarm&apos;s receiver.</source>
        <translation>Zeit zwischen Abfragen an den Empfänger des Alarms.</translation>
    </message>
    <message>
        <source>Transmit frequency; empty makes the channel receive only.</source>
        <translation>Sendefrequenz; leer macht den Kanal zum reinen Empfangskanal.</translation>
    </message>
    <message>
        <source>Transmit power: High 5 W, Low 1 W.</source>
        <translation>Sendeleistung: Hoch 5 W, Niedrig 1 W.</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Upper end of a programmable memory scan range.</source>
        <translation>Obere Grenze eines PMS-Suchlaufbereichs (programmierbarer Speichersuchlauf).</translation>
    </message>
    <message>
        <source>VOX: transmit when you speak, without pressing the PTT key.</source>
        <translation>VOX: beim Sprechen senden, ohne die PTT-Taste zu drücken.</translation>
    </message>
    <message>
        <source>Vibrate on a call.</source>
        <translation>Bei einem Ruf vibrieren.</translation>
    </message>
    <message>
        <source>Voice codec; every radio in a talk group needs the same.</source>
        <translation>Sprachcodec; alle Funkgeräte einer Gesprächsgruppe brauchen denselben.</translation>
    </message>
    <message>
        <source>Wait after a call before the scan resumes.</source>
        <translation>Wartezeit nach einem Ruf, bevor der Suchlauf fortgesetzt wird.</translation>
    </message>
    <message>
        <source>Wait after a time-out before transmitting again.</source>
        <translation>Wartezeit nach Ablauf des TOT, bevor wieder gesendet werden kann.</translation>
    </message>
    <message>
        <source>Wait after keying before the first digit.</source>
        <translation>Wartezeit nach dem Tasten bis zur ersten Ziffer.</translation>
    </message>
    <message>
        <source>Wait before this radio acknowledges a call.</source>
        <translation>Wartezeit, bevor dieses Funkgerät einen Ruf bestätigt.</translation>
    </message>
    <message>
        <source>Wait for a reply after sending a code.</source>
        <translation>Nach dem Senden eines Codes auf eine Antwort warten.</translation>
    </message>
    <message>
        <source>Wake-up frames sent ahead of a call to radios that save power.</source>
        <translation>Weckrahmen, die vor einem Ruf an Funkgeräte im Stromsparmodus gesendet werden.</translation>
    </message>
    <message>
        <source>Warning beep this long before the time-out timer ends.</source>
        <translation>Warnton diese Zeit vor Ablauf des TOT.</translation>
    </message>
    <message>
        <source>Warning this long before the man-down alarm.</source>
        <translation>Vorwarnung diese Zeit vor dem Kopfüber-Alarm.</translation>
    </message>
    <message>
        <source>What a received stun code stops.</source>
        <translation>Was ein empfangener Sperrcode unterbindet.</translation>
    </message>
    <message>
        <source>What a stun stops: transmitting, or transmitting and receiving.</source>
        <translation>Was eine Sperre unterbindet: Senden oder Senden und Empfang.</translation>
    </message>
    <message>
        <source>What the alarm does: siren only, silent, or sending an ID.</source>
        <translation>Was der Alarm tut: nur Sirene, still oder ID senden.</translation>
    </message>
    <message>
        <source>What the one-key call does: nothing, a digital or an analog call.</source>
        <translation>Was der Ein-Tasten-Ruf tut: nichts, ein digitaler oder ein analoger Ruf.</translation>
    </message>
    <message>
        <source>What the radio does when it hears its own code.</source>
        <translation>Was das Funkgerät tut, wenn es seinen eigenen Code empfängt.</translation>
    </message>
    <message>
        <source>When a scan moves on: after a time, when the carrier drops, or it stops (Search).</source>
        <translation>Wann der Suchlauf weiterläuft: nach einer Zeit, wenn der Träger abfällt, oder er hält an (Suchen).</translation>
    </message>
    <message>
        <source>Which channels a tone scan covers.</source>
        <translation>Welche Kanäle ein Tonsuchlauf abdeckt.</translation>
    </message>
    <message>
        <source>Width of the range a VFO scan covers.</source>
        <translation>Breite des Bereichs, den ein VFO-Suchlauf abdeckt.</translation>
    </message>
    <message>
        <source>on or off</source>
        <translation>ein oder aus</translation>
    </message>
</context>
<context>
    <name>DocumentStatus</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1, modified</source>
        <translation>%1, geändert</translation>
    </message>
</context>
<context>
    <name>FieldBinder</name>
    <message>
        <source>%1, up</source>
        <translation>%1, aufwärts</translation>
    </message>
    <message>
        <source>%1, down</source>
        <translation>%1, abwärts</translation>
    </message>
</context>
<context>
    <name>LinkBackups</name>
    <message>
        <source>Backup saved: %1</source>
        <translation>Sicherung gespeichert: %1</translation>
    </message>
    <message>
        <source>Nothing was written to the radio: no backup could be made.</source>
        <translation>Nichts wurde ins Funkgerät geschrieben: es konnte keine Sicherung angelegt werden.</translation>
    </message>
    <message>
        <source>The read is in the window, but %1</source>
        <translation>Die gelesenen Daten sind im Fenster, aber %1</translation>
    </message>
</context>
<context>
    <name>LinkCommands</name>
    <message>
        <source>Read data</source>
        <translation>Daten lesen</translation>
    </message>
    <message>
        <source>Read %1 blocks from %2 in %3 s</source>
        <translation>%1 Blöcke von %2 in %3 s gelesen</translation>
    </message>
    <message>
        <source>Write data</source>
        <translation>Daten schreiben</translation>
    </message>
    <message>
        <source>Wrote %1 blocks to %2 in %3 s</source>
        <translation>%1 Blöcke nach %2 in %3 s geschrieben</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>The manual could not be opened: %1 is missing or no browser is set up.</source>
        <translation>Das Handbuch konnte nicht geöffnet werden: %1 fehlt oder es ist kein Browser eingerichtet.</translation>
    </message>
</context>
<context>
    <name>PrintCommands</name>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Cannot print: the printer did not start.</source>
        <translation>Drucken nicht möglich: der Drucker ist nicht gestartet.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the file cannot be created.</source>
        <translation>„%1“ kann nicht geschrieben werden: die Datei kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Check that the folder exists and that you may write to it.</source>
        <translation>Prüfen Sie, ob der Ordner existiert und Sie darin schreiben dürfen.</translation>
    </message>
    <message>
        <source>Channel plan saved as %1</source>
        <translation>Kanalplan gespeichert als %1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
</context>
</TS>
