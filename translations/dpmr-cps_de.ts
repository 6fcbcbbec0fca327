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
    <name>CChannelEditDlg</name>
    <message>
        <source>Channel edit</source>
        <translation>Kanal bearbeiten</translation>
    </message>
    <message>
        <source>C&amp;hannel no.</source>
        <translation>K&amp;anal-Nr.</translation>
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
        <translation>&amp;Empfangsfrequenz (MHz)</translation>
    </message>
    <message>
        <source>&amp;Tx freq (MHz)</source>
        <translation>&amp;Sendefrequenz (MHz)</translation>
    </message>
    <message>
        <source>R&amp;x tone</source>
        <translation>Empfangs&amp;ton</translation>
    </message>
    <message>
        <source>Tx t&amp;one</source>
        <translation>Sende&amp;ton</translation>
    </message>
    <message>
        <source>Channel t&amp;ype</source>
        <translation>Kanal&amp;typ</translation>
    </message>
    <message>
        <source>Tx &amp;power</source>
        <translation>Sende&amp;leistung</translation>
    </message>
    <message>
        <source>&amp;Signal type</source>
        <translation>Si&amp;gnaltyp</translation>
    </message>
    <message>
        <source>Band&amp;width</source>
        <translation>Band&amp;breite</translation>
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
        <translation>&amp;Belegt</translation>
    </message>
    <message>
        <source>Re&amp;verse</source>
        <translation>&amp;Umkehren</translation>
    </message>
    <message>
        <source>Sca&amp;n</source>
        <translation>Such&amp;lauf</translation>
    </message>
    <message>
        <source>Tal&amp;k around</source>
        <translation>&amp;Direktverkehr</translation>
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
        <translation>&amp;Gruppen-Empfangsliste</translation>
    </message>
    <message>
        <source>OA&amp;CSU</source>
        <translation>OA&amp;CSU</translation>
    </message>
    <message>
        <source>Rx co&amp;lor</source>
        <translation>Empfangs&amp;farbe</translation>
    </message>
    <message>
        <source>Tx colo&amp;r</source>
        <translation>Sende&amp;farbe</translation>
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
    <name>CDpmrContactPage</name>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>Leeren Kanal &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>CDpmrEncryptPage</name>
    <message>
        <source>&amp;Encrypt</source>
        <translation>&amp;Verschlüsselung</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>Leeren Kanal &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
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
</context>
<context>
    <name>CDpmrOutboxPage</name>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>Leeren Kanal &amp;einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
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
    <name>CEditGrid</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Call mode</source>
        <translation>Rufmodus</translation>
    </message>
    <message>
        <source>Call list</source>
        <translation>Rufliste</translation>
    </message>
    <message>
        <source>Call type</source>
        <translation>Rufart</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>Nachr.</translation>
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
    <name>COneKeyPage</name>
    <message>
        <source>One key calls</source>
        <translation>Ein-Tasten-Rufe</translation>
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
    <name>CVfoDlg</name>
    <message>
        <source>VFO mode</source>
        <translation>VFO-Modus</translation>
    </message>
    <message>
        <source>&amp;Rx Freq (MHz)</source>
        <translation>&amp;Empfangsfrequenz (MHz)</translation>
    </message>
    <message>
        <source>Tx Fre&amp;q (MHz)</source>
        <translation>Sende&amp;frequenz (MHz)</translation>
    </message>
    <message>
        <source>R&amp;x Tone</source>
        <translation>Empfangs&amp;ton</translation>
    </message>
    <message>
        <source>Tx T&amp;one</source>
        <translation>Sende&amp;ton</translation>
    </message>
    <message>
        <source>C&amp;hannel type</source>
        <translation>K&amp;analtyp</translation>
    </message>
    <message>
        <source>Tx po&amp;wer</source>
        <translation>Sende&amp;leistung</translation>
    </message>
    <message>
        <source>&amp;Signal type</source>
        <translation>Si&amp;gnaltyp</translation>
    </message>
    <message>
        <source>Ban&amp;dwidth</source>
        <translation>Ban&amp;dbreite</translation>
    </message>
    <message>
        <source>Offset d&amp;irection</source>
        <translation>Ablage-&amp;Richtung</translation>
    </message>
    <message>
        <source>O&amp;ffset freq (MHz)</source>
        <translation>&amp;Ablage (MHz)</translation>
    </message>
    <message>
        <source>&amp;Busy</source>
        <translation>&amp;Belegt</translation>
    </message>
    <message>
        <source>Re&amp;verse</source>
        <translation>&amp;Umkehren</translation>
    </message>
    <message>
        <source>Sca&amp;n</source>
        <translation>Such&amp;lauf</translation>
    </message>
    <message>
        <source>Tal&amp;k around</source>
        <translation>&amp;Direktverkehr</translation>
    </message>
    <message>
        <source>&amp;PTTID</source>
        <translation>&amp;PTT-ID</translation>
    </message>
    <message>
        <source>Onl&amp;y rx</source>
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
        <translation>&amp;Gruppen-Empfangsliste</translation>
    </message>
    <message>
        <source>VFO sc&amp;an</source>
        <translation>VFO-Such&amp;lauf</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>&amp;Schrittweite</translation>
    </message>
    <message>
        <source>OACSU</source>
        <translation>OACSU</translation>
    </message>
    <message>
        <source>Rx co&amp;lor</source>
        <translation>Empfangs&amp;farbe</translation>
    </message>
    <message>
        <source>Tx color</source>
        <translation>Sendefarbe</translation>
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
