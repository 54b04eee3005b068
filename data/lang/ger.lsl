
Ö&ffnen...|Ein vorhandenes Log öffnen


Unbenannt
Log kann nicht geöffnet werden:
existiert bereits. Überschreiben?



















ist keine Logdatei in einem bekannten Format.
Die Datei
existiert bereits. Überschreiben?
konnte nicht umbenannt werden.




Unbekannte CT-Dateiversion:
QZ-Logs (*.qzf)|*.qzf|Alle Dateien (*.*)|*.*
CT-Logs (*.bin)|*.bin|Alle Dateien (*.*)|*.*
NA-Logs (*.qdf)|*.qdf|Alle Dateien (*.*)|*.*

QW-Logs (*.bin)|*.bin|Alle Dateien (*.*)|*.*
STF-Dateien (*.stf)|*.stf|Alle Dateien (*.*)|*.*
Textdateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*
Datei zu kurz.
Hilfe

Datum
Zeit
Band
Mode
Rufzeichen
RST ges.
Zone ges.
RST empf.
Zone empf.
Land
Zone
Pkt.
Flags
Multi 3
Nr.
Art
Lfd. Nr.
QTC-Gruppe
QTC-Zeit
QTC-Rufz.
QTC-Nr.

Dateiinformationen
QSOs
Erstellt
Erstellt mit Version
Zuletzt geändert
Zuletzt geändert mit Version
(Multi)
Diese Schrift für alle Ausgabefenster verwenden? (Nein: nur für das aktuelle Fenster)
Cabrillo-Dateien (*.log)|*.log|Alle Dateien (*.*)|*.*









Spalte
Schlüsselwort in der Datei
Abbrechen

Unbekannter Contest

Contest

Das eigene Rufzeichen wurde nicht akzeptiert:




Leistung



Die Ausgabefenster enthalten eigene Änderungen, die beim Auswerten überschrieben werden. Fortfahren?
Geändert
wurde geändert. Änderungen speichern?




Gesendet
Empfangen
Präfix
Der Inhalt der Ausgabefenster
Eigene Mitgl.-Nr.
Mitgl.-Nr.
Bearbeiten
Anfügen
konnte nicht gelesen werden. Mitgliedsnummern werden weder eingetragen noch geprüft.






QSOs auswählen






Es können nicht alle Zeilen gelöscht werden: Ein Log behält mindestens eine Zeile.
Es wurde keine Zeile gelöscht.





Suchtext nicht gefunden.




















Dieser Contest hat keine Spalte für gesendete Nummern.
ist keine gültige Startnummer.



























Gleichbleibender Austausch



Länderdateien (*.dat)|*.dat|Alle Dateien (*.*)|*.*

Der neue Contest hat weniger gesendete oder empfangene Nummern als der alte; die überzähligen Nummern aller QSOs gehen verloren. Fortfahren?
Länderdatei fehlt oder ist leer:
Das Contest-Log konnte nicht erstellt werden.
wurde umbenannt in
Datei nicht gefunden:


DOK
DOK-Buchstabe
Die eingefügten Zeilen enthalten mehr gesendete oder empfangene Nummern als dieses Log; die überzähligen Nummern wurden verworfen.







Es sind keine QSOs ausgewählt. Bitte zuerst die als QTC zu sendenden QSOs auswählen.
Bei einigen ausgewählten QSOs wurde keine Zeit eingegeben. QTCs trotzdem erstellen?
Eigener DOK
DOK



wird gelöscht. Fortfahren?



Neues Layout
Name des neuen Layouts:
Formatliste jetzt speichern?

Das aktuelle Layout enthält ungespeicherte Änderungen. Zuerst als neues Layout einfügen?
Layouts wurden geändert. Formatliste speichern?

Layout umbenennen
Neuer Name des Layouts:












ADIF-Dateien (*.adi;*.adif)|*.adi;*.adif|Alle Dateien (*.*)|*.*

Konvertierung bzw. Export fehlgeschlagen:




Das eigene Rufzeichen ist ungültig.
Eine für diesen Contest benötigte Referenzliste konnte nicht geladen werden.
Staat/Prov.
Eigener Staat bzw. eigene Provinz
Mitglied




Alter
Ergebnisberichte (*.sum)|*.sum|Alle Dateien (*.*)|*.*
Das Log wird ausgewertet ...
Fertig
Unbekannte Region bzw. Abkürzung
ist keine W/VE-Station
ist keine DL-Station
Ungültiger DOK
Ungültige Zone
Es zählen nur QSOs zwischen europäischen und außereuropäischen Stationen
ist keine asiatische Station
Kein Land gefunden für
Mehr als zehn QTCs mit dieser Station
Rufzeichen ergänzt zu
QTCs zählen nur mit einer Station auf einem anderen Kontinent
QTC mit einer Station, die vorher in keinem QSO gearbeitet wurde
Bezirk
In CW und SSB senden nur außereuropäische Stationen QTCs
Dieses QSO wurde schon in einem QTC mit dieser Station ausgetauscht
ist keine OK/OM-Station
Unbekannter Bezirk
existiert nicht oder ist leer.







ASCII-Dateien


Kommentarübersichten (*.ubn)|*.ubn|Alle Dateien (*.*)|*.*

Warnung
hat eine für ein NA-Log ungewöhnliche Länge. Trotzdem einlesen?
Woiwodschaft
ist keine SP-Station
ist keine PA-Station
QSOs zwischen SP-Stationen zählen nicht

Provinz


IOTA CW
IOTA SSB
Eigene IOTA-Ref.
IOTA-Ref.
Ungültige IOTA-Referenz
YV-Bezirk
Zone/Bezirk
ist keine Station in Ozeanien
ist keine skandinavische Station
Rufzeichengebiet
Präfektur
ist keine japanische Station
Ungültige Präfektur
Sektion
Unbekannte Sektion
Komitat/Mitglied
Oblast
HK-Bezirk
Kanton
ist keine HB-Station
Lizenzjahr
ist keine europäische Station
Ungültiges Lizenzjahr
ist eine OK/OM-Station und zählt nicht
Kategorie
Leistungsklasse (VLP, QRP oder MP)
Ungültige Leistungsklasse (A oder B erwartet)
RES-Dateien (*.res)|*.res|Alle Dateien (*.*)|*.*
Swisslog-Dateien (*.swi)|*.swi|Alle Dateien (*.*)|*.*

dBase-Dateien (*.dbf)|*.dbf|Alle Dateien (*.*)|*.*
HSC-Nr.
Die Vorlagendatei
NA-Vorlagen (*.tmp;*.crt)|*.tmp;*.crt|Alle Dateien (*.*)|*.*
wurde nicht gefunden. Bitte die Vorlage aus der Liste oder eine Vorlagendatei wählen.
Vorlage aus der Liste wählen
Vorlagendatei wählen
hat eine für ein QW-Log ungewöhnliche Länge. Trotzdem einlesen?
ist in diesem Contest nicht erlaubt




Alle
Dieser Contest hat keine Multiplikatoren, daher gibt es keine Statistik.
Fehler
Frage
Rücktaste
Tab
Esc
Eingabe
Leertaste
Bild auf
Bild ab
Ende
Pos1
Links
Oben
Rechts
Unten
Einfg
Entf
Umschalt+
Strg+
Alt+









Alle Dateien (*.*)|*.*
Datei wählen...








Das Log wurde noch nicht exportiert. Das aktive Ausgabefenster jetzt als Datei speichern und diese senden?
Adresse des Log-Robots
Zeile
ASCII-Import. Zeilen ohne gültiges Rufzeichen:
Die Liste der Robot-Adressen kann nicht gelesen werden


Cabrillo-Dateien (*.log;*.cbr)|*.log;*.cbr|Alle Dateien (*.*)|*.*

ist eine QTC-Zeile ohne das eigene Rufzeichen und wurde übersprungen.



Betriebsart













Unbekannte Oblast




Nummer ist nicht größer als die vorherige
ist keine Zahl
Prüfung der gesendeten Nummern
Prüfung der empfangenen Nummern






Prüfung auf fehlende Rufzeichenzusätze
Möglicherweise fehlender Rufzeichenzusatz:








Wert weicht vom vorherigen ab
Stationen aus





QSO-Auswahl aufheben


Keine Mitgliederliste geladen; Mitgliedsnummern können nicht geprüft werden.
Prüfung der Mitgliedsnummern
Mitgliedsnummer korrigiert


ADIF-Feld
























Eigener Locator
Locator



DTC-Austausch
Für Stationen außerhalb DL zählen nur QSOs mit DL-Stationen
&Stapelverarbeitung...|Viele Logdateien in einem Durchgang exportieren, konvertieren oder auflisten






Stapelverarbeitung






































Stapelverarbeitung beendet.

Ergebnislisten (*.xml;*.txt)|*.xml;*.txt|Alle Dateien (*.*)|*.*







Logdateien (*.bin;*.qdf;*.stf;*.adi;*.adif;*.log;*.cbr;*.txt)|*.bin;*.qdf;*.stf;*.adi;*.adif;*.log;*.cbr;*.txt|Alle Dateien (*.*)|*.*

Eigene TOPS-Nr.
TOPS-Nr.




Prüfung der Zehn-Minuten-Regel
Bandwechsel weniger als zehn Minuten nach dem vorherigen
Nummern fehlen vor
Mitgliedsnummer weicht von der Mitgliederliste ab:
Es gibt nichts rückgängig zu machen.
Log per E-Mail senden
Anhang
Die Zeitverschiebung würde eine Zeile aus den Jahren 1 bis 9999 hinausschieben; keine Zeile wurde geändert.
Zwischenablage-Zeile
nicht eingefügt: die Anzahl der Felder passt nicht
nicht eingefügt: ein unlesbarer Wert in Spalte
nicht eingefügt: ein für das Log zu langer Wert in Spalte
weitere Zeilen der Zwischenablage wurden nicht eingefügt.
Die Zwischenablage enthält keine Logzeilen.
nicht eingefügt: der Kommentar ist für das Log zu lang
















Die Nachricht konnte nicht im E-Mail-Ordner abgelegt werden.
Die E-Mail wurde gesendet.
Eine Kopie wurde abgelegt als
Senden fehlgeschlagen
ist weder eine STF- noch eine Cabrillo-Datei. Trotzdem senden?
Diesen Empfänger als Adresse des Log-Robots für diesen Contest speichern?
Bitte zuerst in den Optionen den SMTP-Server und die Absenderadresse eintragen.



Ordner wählen




Schließen
Datei
Datum
Rufzeichen
Gesendete E-Mail


Schreibgeschützt











QSOs mit dem eigenen Land zählen nicht
Eigener Distrikt
Eigene Lizenzjahre
Distrikt
Lizenzjahre
Distrikt
Station außerhalb DL: kein DARC-Distrikt
Der Distrikt muss ein Buchstabe von A bis Z sein
Lizenzjahre sind keine Zahl:
Eigener DARC-Distrikt (Buchstabe A bis Z)
Eigene Lizenzjahre


Kein Update verfügbar, oder der Download ist fehlgeschlagen.
Das Update wurde installiert.
Bitte vor dem Aktualisieren alle Logs schließen.

Großfeld
Keine Verbindung zum Internet.

SA-Präfix
Eigener Kreis/ccTLD
Kreis/ccTLD
Kreis
ccTLD
Eigene Internet-Länderkennung (ccTLD, z. B. DE)
Leistungsklasse (A oder B)
ist keine niederländische Station
Austausch
YL/OM
Sind Sie eine YL? (Ja: YL, Nein: OM)
OK-Rufzeichen
Der Dateityp wurde nicht erkannt; die Datei wird mit dem ASCII-Import gelesen.





Der Log-Ordner existiert nicht:


























Wert auf die Breite seiner Cabrillo-Spalte gekürzt:
Eigenes Rufzeichen in den Cabrillo-QSO-Zeilen auf 13 Zeichen gekürzt:


























































nicht gelesen:
die Felder passen zu keiner QSO- oder QTC-Zeile
eine QTC-Zeile in einem Contest ohne QTC-Verkehr
Frequenz in keinem Band, die Zeile behält das Band
Betriebsart unbekannt, die Zeile behält die Betriebsart
Datum nicht verstanden:
Zeit nicht verstanden:
kein Rufzeichen der Gegenstation
QSO- oder QTC-Zeilen nach END-OF-LOG wurden gelesen, die erste in Zeile
die Zeile enthält ein Null-Byte (eine beschädigte Datei):
QSO-Zeilen mit einem anderen Austausch als dem des Contests wurden am Rufzeichen geteilt, die erste in Zeile
QSO-Zeilen mit mehr Austauschfeldern als der Contest verlangt (in seine letzte Nummer zusammengefasst), die erste in Zeile
QSO-Zeilen mit weniger Austauschfeldern als der Contest verlangt, die erste in Zeile
START-OF-LOG nennt keine Version; die Datei wird mit den Vorgaben der Kategorien gelesen
nennt keinen Contest, den das Programm kennt
ist zu groß für ein Contest-Log
eine Zeile in der Form einer QSO-Zeile unter einem Kennwort, das weder QSO: noch QTC: ist
der Austausch lässt sich auf mehr als eine Weise lesen; behalten mit dem Sicheren, der Rest bleibt leer:
ein Feld des Contest-Austauschs fehlt; behalten, das Feld bleibt leer:

ist eine W/VE-Station: aus den USA und Kanada zählen nur Verbindungen mit DX-Stationen















der Server hat die ganze Nachricht angenommen, aber nicht bestätigt; sie wurde vielleicht zugestellt; vor einem erneuten Senden bitte prüfen
der Server hat die Nachricht abgelehnt; nichts wurde zugestellt. Seine Antwort:
Antwort des Servers:
der Server hat die Nachricht nicht weiter angenommen (Zeitüberschreitung); nichts wurde zugestellt




















&Datei
&Bearbeiten
E&xtras
&Fenster
&Sprache
&Ausgabe
M&it markierten Zeilen
&Zuletzt geöffnet
E&xport
&Beenden|Programm beenden
&Neu...|Neues Log anlegen
&Speichern|Log speichern
Speichern &unter...|Log unter neuem Namen speichern
S&chließen|Logfenster schließen
Auswer&ten|Log auswerten und Ausgabefenster erneuern
Zeile &anfügen|Leere Zeile anfügen
&Alle markieren
Alle Markierungen auf&heben
Aktuelle Zeile markieren
Markierung der aktuellen Zeile aufheben
Markierte Zeilen &löschen
Als &ungültig kennzeichnen
Als &gültig kennzeichnen
Zeilen &kopieren|Markierte Zeilen (oder die aktuelle Zeile) in die Zwischenablage kopieren
Zeilen &einfügen|Loglinien aus der Zwischenablage anfügen
Zeile nach &oben
Zeile nach &unten
&Rückgängig|Letzte Änderung rückgängig machen
Alle Kennzeichen löschen
Schreibgesc&hützt|Log vor Änderungen schützen
&Ausgetauschte Nummern prüfen
Rufzeichen-&Zusätze prüfen
&Mitgliedsnummern prüfen
Zehn-Minuten-&Regel prüfen
A&nsicht erneuern
Ausgabefenster &speichern unter...
&Ergebnis...
&Kommentare...
&STF...
&Cabrillo...
&ADIF...
&RES...
S&wisslog...
&Drucken...|Tabelle oder das Ausgabefenster mit dem Fokus drucken
Druck&vorschau...
Ausgabefenster &bearbeiten|Änderungen in den Ausgabefenstern erlauben
&Englisch
&Deutsch
Über&lappend
&Nebeneinander
Ko&mmentar...|Kommentar der aktuellen Zeile
Meldungen
Kommentare
Ergebnis
STF
Cabrillo
ADIF
RES
Swisslog
Zeile|Felder der aktuellen Zeile ändern und Enter drücken
Übernehmen
&Suchen...
&Weitersuchen
Suchen nach:
wurde nicht angenommen in Spalte
Neues Log
Eigenes Rufzeichen
Für den Contest des neuen Logs gibt es noch keine Regeln:
Zeilen
Ö&ffnen...|Vorhandenes Log öffnen
Keine zuletzt geöffneten Dateien
Die Zwischenablage enthält keinen Text.
Speichern nicht möglich:
Ausgabefenster anzeigen
Zeilen eingefügt
Markierte Zeilen in neues Log &übernehmen|Neues Log mit Kopien der markierten Zeilen öffnen
S&paltenbreiten optimieren|Alle Spalten aller Logs an ihren breitesten Text anpassen
&Länderdateien|Ordner der Länderdateien öffnen
Mitgliederl&isten|Ordner der Mitgliederlisten öffnen
Zuor&dnungstabellen|Ordner der Zuordnungstabellen öffnen
Standard-&Bearbeitungsmodus|Vorhandene Zeilen Zelle für Zelle ändern
Schnelles An&fügen|Neue Zeilen über die Tastatur eingeben: Enter geht durch die Felder der neuesten Zeile und fügt danach die nächste an
Schnelles An&fügen|Modus zum schnellen Anfügen ein- oder ausschalten
Die Zeile bleibt unverändert.


























Dat&eiinformationen...|Name, Contest, QSOs und Daten der Logdatei
&Bereich auswählen...|Zeilen nach Nummer, Band oder Mode auswählen
Bereichsauswahl aufheb&en...|Auswahl von Zeilen nach Nummer, Band oder Mode aufheben
&Zeit verschieben...|Eine Zeitdifferenz zu den ausgewählten Zeilen addieren
Gesendete &Nummern setzen...|Die ausgewählten Zeilen durchnummerieren oder ihnen einen Wert geben
Kopf&daten...|Eigenes Rufzeichen, Contest, Kategorien und Stationsdaten
Als gesendete &QTCs kopieren...|Gesendete QTC-Zeilen aus den ausgewählten QSOs erstellen
S&tatistik...|Multiplikatoren je Band mit ihren QSOs und Rufzeichen
Kopfdaten
Name
Adresse
E-Mail-Adresse
Station
Club
Contestspezifische Daten
Länderdatei
Operatoren
Soapbox
Unterstützung
Operator
Stationsart
Betriebszeit
Sender
Overlay
Aus Log &laden...|Alle Felder aus den Kopfdaten eines anderen Logs übernehmen
&Durchsuchen...
Kein Rufzeichen: Buchstaben, Ziffern und "/", mindestens ein Buchstabe und eine Ziffer.
Die Zeit als hhmm eingeben, von 0000 bis 2359.
Die Seriennummer als Gruppe/Anzahl eingeben, zum Beispiel 7/10.
Eine ganze Zahl eingeben.
Einen Wert eingeben.
Suchen in
Gesendete Nummern
Empfangene Nummern
Multiplikatoren
Nur ganzes Feld
Suchen ab
der ersten Zeile
der Zeile nach der aktuellen
Zeitdifferenz
Tage
Stunden
Minuten
Zeilen
bis
Alle Zeilen
Spalte
Startnummer oder Wert
Ein Wert für alle Zeilen
Fortlaufend nummerieren
Ausgewählte QTCs mitzählen
Gesendete QTCs
Seriennummer (Gruppe/Anzahl)
Kommentar
&Leeren
Fehlende Rufzeichenzusätze
Portabel oder mobil (/P, /M, /MM)
Maritim mobil (/MM)
Novice oder Technician (/N, /T)
Fehlende Zusätze an die Rufzeichen anhängen
Ausgetauschte Nummern prüfen
Seriennummern, die nicht steigen
Ein Wert, der sich ändert
Feld
Nur diese Stationen prüfen
Diese Stationen auslassen
Rufzeichen
Statistik
Eine E-Mail-Adresse wie name@example.org eingeben.
Die Sektion in Buchstaben eingeben, höchstens drei.
&Optionen...|Einstellungen für Import, Export, Editor, Auswertung, E-Mail und Ordner
E-Mail-&Journal...|Die bisher gesendeten E-Mails
Log &abschließen...|Auswerten, schreibgeschützt speichern, exportieren und senden in einem Schritt
Per &E-Mail senden...|Ein exportiertes Log an den Log-Robot des Contests senden
Optionen
Import|Export|Editor|Auswertung|Log-Robots|IARU-Punkte|E-Mail|Ordner
STF-Import|Allgemein|Ausgetauschte Nummern|Binäre Logs (CT, QW)|ADIF-Export|STF-Export|SMTP-Server|Absender|Versand
Beim Lesen von STF-Dateien den Dialog der Feldzuordnung zeigen
Konvertierte Logs im Ordner der fremden Datei ablegen (nicht im Log-Ordner)
Konvertierte Logs nach dem eigenen Rufzeichen benennen
In empfangenen Austauschen nur Buchstaben und Ziffern annehmen
Die QTC-Datei neben einem binären Log lesen
Vor jedem ADIF-Export die ADIF-Feldauswahl zeigen
Das Länderfeld in STF-Exporte schreiben
Die QSO-Kommentare in STF-Exporte schreiben
Spaltenbreiten an den Inhalt anpassen
Das Log beim Auswerten nach der Zeit sortieren
Leere Zeilen beim Auswerten entfernen
Zeilen auf Bändern, die der Contest nicht erlaubt, sind ungültig
Zeilen in Betriebsarten, die der Contest nicht erlaubt, sind ungültig
Diese Einstellungen ändern Punktzahlen. Die Ergebnisübersicht nennt jede, die vom Standard abweicht; offene Logs werden bei ihrer nächsten Auswertung (F5) mit den neuen Einstellungen gewertet.
QSO mit einer Headquarters-Station|QSO in der eigenen ITU-Zone|QSO im eigenen Kontinent, andere Zone|QSO mit einem anderen Kontinent|Punkte für IARU-QSOs (gelten wegen des Startschalters /QUIRN; sie werden nicht gespeichert)
Server|Port|Benutzername|Passwort|Zeitlimit für den Verbindungsaufbau (Sekunden)|Zertifikate (Datei; leer: die des Systems)|Absenderadresse|Eine Kopie an mich senden
Dieses Programm sendet die E-Mail (SMTP)|Das Mailprogramm des Desktops erstellt sie (xdg-email)
Das Passwort steht verwürfelt in der Einstellungsdatei, und nur Ihr Benutzerkonto kann diese Datei lesen. Verwürfeln ist keine Verschlüsselung: Wer die Datei lesen kann, kann das Passwort zurückgewinnen. Benutzername und Passwort werden nur über eine verschlüsselte Verbindung gesendet.
Logs|Exportierte Logs|Gesendete E-Mails
Bitte eine ganze Zahl von %1 bis %2 eingeben.
Keine E-Mail-Adresse (name@example.org).
Bitte einen Ordner als vollständigen Pfad eingeben (beginnend mit /).
Das ist eine Datei, kein Ordner.
Diesen Ordner gibt es noch nicht; er wird mit OK angelegt.
Der Ordner kann nicht angelegt werden:
Bitte keine Leerzeichen oder Steuerzeichen.
Bitte zuerst die markierten Eingaben berichtigen.
Die Datei gibt es nicht.
SMTP-Einstellungen|Nachricht|Gesendete Nachricht
An|Betreff|Text|Gesendet am|Kopie an|Contest|Rufzeichen|Server|Absender
Einstellungen &ändern...|Die E-Mail-Einstellungen der Optionen öffnen
&Senden
ja|nein
SMTP-Anmeldung
Der Server %1 verlangt einen Benutzernamen und ein Passwort. Sie werden nur über eine verschlüsselte Verbindung gesendet.
Den Benutzernamen in den Einstellungen speichern|Das Passwort in den Einstellungen speichern (verwürfelt, nicht verschlüsselt)
E-Mail-Journal
E-Mail-Ordner:
&Ordner ändern...|Den E-Mail-Ordner in den Optionen wählen
Log abschließen
Das Log speichern und gegen Änderungen sperren|Das Log exportieren|Den Export per E-Mail senden|Exportformat
Höchstens %1 Zeichen.
Schriftart der Lo&gs...|Die Schriftart der Tabellen aller Logs
&dBase exportieren...|Das Log als dBase-Tabelle schreiben
ADIF-K&onfiguration...|Die Felder des ADIF-Exports wählen
QSO-Spalten|QTC-Spalten
&Importieren
Format &erkennen...|Ein Log in einem beliebigen bekannten Format importieren
Zeitformat|Contest-Kennung (contest_id)
&Cabrillo...|Ein Cabrillo-Log importieren
In jedem QSO|Einmal im Dateikopf
Standardwerte|Beispiel (erste Zeile des Logs):
&STF...|Ein STF-Log importieren
ist kein freier ADIF-Feldname: erlaubt sind Buchstaben, Ziffern und _ (am Anfang ein Buchstabe), aber kein Feld, das der Export selbst schreibt.
Neues Layout|Gespeichertes Layout:
&ADIF...|Eine ADIF-Datei importieren
&Neu...|Die Spalten als neues Layout speichern
&Speichern|Die Formatliste speichern
&Löschen|Das gewählte Layout löschen
&Umbenennen...|Das gewählte Layout umbenennen
&Leeren|Alle Spalten des Layouts auf 0 setzen
Dateiendung:
Von|Bis
Einzulesende Zeilen|Tabulatorweite
ASC&II...|Einen Spaltentext nach einem gespeicherten oder neuen Spaltenlayout importieren
Werte der ersten Zeile|Die Zeilen sind
C&T...|Ein binäres CT-Log importieren
Die Spalten eines Feldes im Text markieren und mit der rechten Maustaste zuordnen, oder unten die erste und letzte Spalte eintragen.
Ein Layoutname darf höchstens 255 Zeichen lang sein und nur druckbare Zeichen enthalten.|Ein Layout dieses Namens gibt es bereits:
&NA...|Ein NA-Log importieren
die Dateiendung darf nur Buchstaben, Ziffern, _ und - enthalten (höchstens 255 Zeichen).|die erste Spalte liegt hinter der letzten, oder nur eine von beiden ist gesetzt.
&QW...|Ein binäres QW-Log importieren
Tag|Monat|Jahr|Stunde|Minute
&Hilfe
Auf neue &Version prüfen...|Prüfen, ob eine neuere Version des Programms angeboten wird
&Länderdatei aktualisieren...|Die veröffentlichte Länderdatei holen, wenn sie neuer als die installierte ist
&Über...|Version des Programms
Die Download-Seite im Browser öffnen?
Die installierte Länderdatei ist unverändert.
Aufgabe
Von jedem QZ-Log einen &Export schreiben
Importdateien in QZ-Logs &umwandeln
Aus QZ-Logs eine gemeinsame &Ergebnisliste erstellen
Dateien
Nur &QZ-Logs (*.QZF) annehmen
Dateien
&Hinzufügen...|Dateien zur Liste hinzufügen
&Entfernen|Die gewählten Dateien aus der Liste entfernen
Liste &leeren
&Alle wählen
Exportformat
Ergebnisbericht
Kommentarübersicht
Importformat
Ergebnisliste
Ergebnis&liste:
Name des äußersten &Tags:

Contest
Den Contest aus den &Kopfdaten jeder Datei nehmen
Immer &diesen Contest verwenden:
%1 von %2 Dateien bearbeitet...
%1 von %2 Dateien sind fehlgeschlagen:
Der Name des äußersten Tags darf nicht leer sein und keine Leerzeichen, '<', '>', '/' oder '&' enthalten.
Bitte die Datei der Ergebnisliste wählen.
Abgebrochen nach %1 von %2 Dateien.
existiert bereits. Vorhandene Exporte ersetzen (Ja), behalten und diese Logs überspringen (Nein) oder abbrechen?
< &Zurück
&Weiter >
&Fertig stellen
Zeile(n) der Datei konnten nicht gelesen werden und fehlen im Log. Beim Speichern wird das Log ohne sie geschrieben:
Die Einstellungsdatei kann nicht verwendet werden. Das Programm arbeitet mit den Standardeinstellungen und speichert keine, bis die Datei lesbar ist oder entfernt wurde:

Doppelt zu Zeile
Neuer Multiplikator:
Zählt nicht (ungültig)
Echtzeituhr: eine beim schnellen Anfügen neue Zeile erhält das aktuelle UTC-Datum und die UTC-Zeit
















Punkte
Ergebnisübersicht von
Gute  Ungült. Dopp. Gelöscht
Endergebnis =
QSO-Kommentare (Crosscheck/UBN-Bericht) von
[keine QSO-Kommentare vorhanden]
Kein Log geöffnet.
Legen Sie ein neues Log an, öffnen Sie eines oder wählen Sie ein zuletzt benutztes:






















&Wert in markierte Zeilen übernehmen|Den Wert der aktuellen Zelle in alle markierten Zeilen übernehmen
Schriftart der &Ausgabefenster...|Die Schriftart der Meldungs-, Ergebnis- und Exportfenster
&Untereinander|Die Logfenster untereinander anordnen
&Nebeneinander|Die Logfenster nebeneinander anordnen
Alle &minimieren|Alle Logfenster minimieren
Symbole &anordnen|Die minimierten Logfenster aufreihen
&Handbuch|Das Benutzerhandbuch
&Tastenkürzel|Alle Befehle mit ihren Tasten
Kein Dateimanager konnte den Ordner zeigen. Er liegt hier:
Ordner
Format
Vorschau
&Zurück
&Vorwärts
&Inhalt
Befehl
Taste
Menü
Das Handbuch ist nicht installiert; es wurde gesucht in
keine Datei in einem bekannten Format
Die aktuelle Zeile ist nicht markiert. Die zu füllenden Zeilen markieren (die aktuelle darunter) und erneut übernehmen.





























Wiederho&len|Die zurückgenommene Änderung erneut ausführen
ges.
Pkt

















Für Dateien ohne bekannten Contest den unten gewählten &verwenden
Fehlgeschlagene Dateien (%1)
Tabelle (TSV)
&Kopieren|Den markierten Text dieser Seite kopieren, sonst alles
Schl&ießen
Die Zeilen auch als Tabelle neben die Liste &schreiben (%1)
&Ordner hinzufügen...|Die Logdateien eines Ordners hinzufügen
Die Logs eines Contests &gegenprüfen (UBN-Berichte, geprüfte Ergebnisse)
Gegenprüfung
Zeitfenster (&Minuten):
&Strafe je gestrichenem QSO (QSO-Punkte):
&Berichtsordner:
Bitte den Ordner für die Berichte wählen.
%1 Logs und %2 QSOs in %3 s geprüft.
Befunde
Die Berichte liegen in %1
Die Logs werden abgeglichen...
Ordner wählen...
Der Ordner konnte nicht geöffnet werden: %1
aus dem Ordner ausgelassen, da kein Log, das das Programm liest: %1 Datei(en)
Dateien, die keinen bekannten Contest nennen: den Contest auf der Seite Contest wählen.



















Diagramme|QSO-Raten, Multiplikatoren und Bänder des kompilierten Logs als Diagramme
QSOs pro Stunde nach Band
QSOs und Multiplikatoren bisher
Bänder nach Stunde
QSOs
Multiplikatoren
Zeit (UTC)
&Drucken...|Die Diagramme drucken
Als P&NG speichern...|Die Diagramme als PNG-Bild speichern
Als &SVG speichern...|Die Diagramme als SVG-Bild speichern
Noch kein QSO mit Datum und Uhrzeit für die Diagramme.
PNG-Bilder (*.png)
SVG-Bilder (*.svg)
Pausen
Bandwechsel
Das Bild konnte nicht gespeichert werden:
min oder länger
