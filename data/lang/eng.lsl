
&Open...|Open an existing log


Untitled
Cannot open log:
already exists. Overwrite it?



















is not a log file of a known format.
The file
already exists. Overwrite it?
could not be renamed.




Unknown CT file version:
QZ logs (*.qzf)|*.qzf|All files (*.*)|*.*
CT logs (*.bin)|*.bin|All files (*.*)|*.*
NA logs (*.qdf)|*.qdf|All files (*.*)|*.*

QW logs (*.bin)|*.bin|All files (*.*)|*.*
STF files (*.stf)|*.stf|All files (*.*)|*.*
Text files (*.txt)|*.txt|All files (*.*)|*.*
File too short.
Help

Date
Time
Band
Mode
Call
RST s
Zone s
RST r
Zone r
Country
Zone
Pts
Flags
Mult 3
No.
Type
Serial
QTC group
QTC time
QTC call
QTC serial

File information
QSOs
Created
Created with version
Last modified
Last modified with version
(Mult)
Use this font for all output windows? (No: only for the current window)
Cabrillo files (*.log)|*.log|All files (*.*)|*.*









Column
Keyword in file
Cancel

Unknown contest

Contest

The own call was not accepted:




Power



The output windows contain changes of your own that compiling will overwrite. Continue?
Modified
has been changed. Save the changes?




Sent
Rcvd
Prefix
The content of the output windows
Own member no.
Member no.
Edit mode
Append mode
could not be read. Member numbers are neither filled in nor checked.






Select QSOs






Not all lines can be deleted: a log keeps at least one line.
No line was deleted.





Search text not found.




















This contest has no column for sent numbers.
is not a valid start number.



























Constant sent exchange



Country files (*.dat)|*.dat|All files (*.*)|*.*

The new contest keeps fewer sent or received numbers than the old one; the surplus numbers of every QSO will be lost. Continue?
Country file missing or empty:
The contest log could not be created.
was renamed to
File not found:


DOK
DOK letter
The pasted lines hold more sent or received numbers than this log keeps; the surplus numbers were dropped.







No QSOs are selected. Select the QSOs to be sent as QTCs first.
The time of some selected QSOs has not been entered. Create the QTCs anyway?
Own DOK
DOK



will be deleted. Continue?



New layout
Name of the new layout:
Save the format list now?

The current layout has unsaved changes. Insert it as a new layout first?
Layouts have been changed. Save the format list?

Rename layout
New name of the layout:












ADIF files (*.adi;*.adif)|*.adi;*.adif|All files (*.*)|*.*

Conversion or export failed:




The own call is not valid.
A reference list that this contest needs could not be loaded.
State/Prov.
Own state or province
Member




Age
Result reports (*.sum)|*.sum|All files (*.*)|*.*
Compiling the log ...
Done
Unknown region or abbreviation
is not a W/VE station
is not a DL station
Invalid DOK
Invalid zone
Only QSOs between European and non-European stations count
is not an Asian station
No country found for
More than ten QTCs with this station
Call extended to
QTCs count only with a station on another continent
QTC with a station not worked in a QSO before it
District
On CW and SSB only non-European stations send QTCs
This QSO was already reported in a QTC exchanged with this station
is not an OK/OM station
Unknown district
does not exist or is empty.







ASCII files


Comment summaries (*.ubn)|*.ubn|All files (*.*)|*.*

Warning
has an unusual length for an NA log. Read it anyway?
Voivodeship
is not an SP station
is not a PA station
QSOs between SP stations do not count

Province


IOTA CW
IOTA SSB
Own IOTA ref.
IOTA ref.
Invalid IOTA reference
YV district
Zone/District
is not a station in Oceania
is not a Scandinavian station
Call area
Prefecture
is not a Japanese station
Invalid prefecture
Section
Unknown section
County/Member
Oblast
HK district
Canton
is not an HB station
Licence year
is not a European station
Invalid licence year
is an OK/OM station and does not count
Category
Power class (VLP, QRP or MP)
Invalid power class (A or B expected)
RES files (*.res)|*.res|All files (*.*)|*.*
Swisslog files (*.swi)|*.swi|All files (*.*)|*.*

dBase files (*.dbf)|*.dbf|All files (*.*)|*.*
HSC no.
The template file
NA templates (*.tmp;*.crt)|*.tmp;*.crt|All files (*.*)|*.*
was not found. Choose the template from the list or choose a template file.
Choose template from the list
Choose template file
has an unusual length for a QW log. Read it anyway?
is not allowed in this contest




All
This contest has no multipliers, so there are no statistics.
Error
Question
Backspace
Tab
Esc
Enter
Space
PgUp
PgDn
End
Home
Left
Up
Right
Down
Ins
Del
Shift+
Ctrl+
Alt+









All files (*.*)|*.*
Choose file...








The log has not been exported yet. Save the active output window to a file now and send that file?
Log robot address
line
ASCII import. Lines without a valid call:
Cannot read the robot address list


Cabrillo files (*.log;*.cbr)|*.log;*.cbr|All files (*.*)|*.*

is a QTC line without the own call and was skipped.



Mode













Unknown oblast




Number is not higher than the previous one
is not a number
Checking the sent numbers
Checking the received numbers






Checking for missing call extensions
Call extension possibly missing:








Value differs from the previous one
Stations from





Deselect QSOs


No member list loaded; member numbers cannot be checked.
Checking the member numbers
Member number corrected


ADIF field
























Own locator
Locator



DTC exchange
Stations outside DL may only count QSOs with DL stations
&Batch processing...|Export, convert or list many log files in one go






Batch processing






































Batch processing finished.

Result lists (*.xml;*.txt)|*.xml;*.txt|All files (*.*)|*.*







Log files (*.bin;*.qdf;*.stf;*.adi;*.adif;*.log;*.cbr;*.txt)|*.bin;*.qdf;*.stf;*.adi;*.adif;*.log;*.cbr;*.txt|All files (*.*)|*.*

Own TOPS no.
TOPS no.




Checking the ten-minute rule
Band change less than ten minutes after the previous one
Numbers missing before
Member number differs from the member list:
There is nothing to undo.
Send log by e-mail
Attachment
The time shift would move a line outside the years 1 to 9999; no line was changed.
Clipboard line
not pasted: the number of fields does not fit
not pasted: a value that cannot be read in column
not pasted: a value too long for the log in column
more clipboard lines were not pasted.
The clipboard holds no log lines.
not pasted: the comment is too long for the log
















The message could not be kept in the e-mail folder.
The e-mail was sent.
A copy was kept as
Sending failed
is neither an STF nor a Cabrillo file. Send it anyway?
Store this recipient as the log robot address of this contest?
Please enter the SMTP server and the sender address in the options first.



Choose folder




Close
File
Date
Call
Sent e-mail


Read-only











QSOs with the own country do not count
Own district
Own lic. years
District
Lic. years
District
Station outside DL: no DARC district
The district must be one letter from A to Z
Licence years are not a number:
Own DARC district (letter A to Z)
Own licence years


No update available, or the download failed.
The update was installed.
Please close all logs before updating.

Square
No connection to the internet.

SA prefix
Own county/ccTLD
County/ccTLD
County
ccTLD
Own country's internet code (ccTLD, e.g. DE)
Power class (A or B)
is not a Dutch station
Exchange
YL/OM
Are you a YL? (Yes: YL, No: OM)
OK call
The file type was not recognised; the file is read with the ASCII import.





The log folder does not exist:


























value cut to the width of its Cabrillo column:
own call cut to 13 characters in the Cabrillo QSO lines:


























































not read:
the fields cannot be matched to a QSO or QTC line
a QTC line in a contest without QTC traffic
frequency in no band, the line keeps band
mode not known, the line keeps mode
date not understood:
time not understood:
no worked call
QSO or QTC lines after END-OF-LOG were read, the first at line
the line holds a zero byte (a damaged file):
QSO lines with another exchange than the contest's were split at the worked call, the first at line
QSO lines with more exchange fields than the contest takes (joined into its last number), the first at line
QSO lines with fewer exchange fields than the contest takes, the first at line
START-OF-LOG names no version; the file is read with the categories' defaults
names no contest the program knows
is too large for a contest log
a line shaped like a QSO line under a tag that is neither QSO: nor QTC:
the exchange can be read more than one way; kept with what is certain, the rest left empty:
a field of the contest's exchange is missing; kept with it empty:

is a W/VE station: from the USA and Canada only QSOs with DX stations count















the server took the whole message but did not confirm it; the message may have been delivered; check before sending again
the server refused the message; nothing was delivered. Its answer:
the server answered:
the server stopped taking the message (time-out); nothing was delivered




















&File
&Edit
&Tools
&Window
&Language
&Output
With s&elected lines
&Recent files
E&xport
E&xit|Close the program
&New...|Create a new log
&Save|Save the log
Save &as...|Save the log under a new name
&Close|Close the log window
C&ompile|Compile the log and refresh the output windows
&Append line|Append an empty line
Select &all
&Unselect all
Select current line
Unselect current line
&Delete selected lines
Mark as &bad
Mark as &good
&Copy lines|Copy the selected lines (or the current line) to the clipboard
&Paste lines|Append the log lines of the clipboard
Move l&ine up
Move line do&wn
&Undo|Undo the last change
Clear all flags
&Read-only|Protect the log against changes
Check &exchanged numbers
Check call e&xtensions
Check &member numbers
Check the &ten-minute rule
Refresh &view
&Save output window as...
&Result...
Co&mments...
&STF...
&Cabrillo...
&ADIF...
R&ES...
S&wisslog...
&Print...|Print the grid or the output window that has the focus
Print pre&view...
&Edit output windows|Allow changes in the output windows
&English
&German
&Cascade
&Tile
Co&mment...|Comment of the current line
Messages
Comments
Result
STF
Cabrillo
ADIF
RES
Swisslog
Line|Change the fields of the current line and press Enter
Apply
&Find...
Find &next
Search for:
was not accepted in column
New log
Own call
The contest of the new log has no rules yet:
Lines
&Open...|Open an existing log
No recent files
The clipboard holds no text.
Cannot save
Show output window
lines pasted
E&xtract selected lines to a new log|Open a new log with copies of the selected lines
Optimi&ze column widths|Fit every column of every log to its widest text
&Country files|Open the folder of the country files
Member &lists|Open the folder of the member lists
&Assignment tables|Open the folder of the assignment tables
S&tandard edit mode|Change existing lines cell by cell
Fast appen&d mode|Type new lines from the keyboard: Enter walks through the fields of the newest line and appends the next one
Fa&st append|Fast append mode on or off
The line is unchanged.


























Fi&le information...|Name, contest, QSOs and dates of the log file
Select &range...|Select lines by number, band or mode
Unselect rang&e...|Unselect lines by number, band or mode
Shift &time...|Add a time difference to the selected lines
Set sent &numbers...|Number the selected lines or give them one value
&Header data...|Own call, contest, categories and station data
Copy as sent &QTCs...|Make sent QTC lines from the selected QSOs
Stat&istics...|Multipliers per band with their QSOs and calls
Header data
Name
Address
E-mail address
Station
Club
Contest-specific data
Country file
Operators
Soapbox
Assisted
Operator
Station type
Operating time
Transmitter
Overlay
&Load from log...|Take every field from the header of another log
&Browse...
Not a call sign: letters, digits and "/", at least one letter and one digit.
Enter the time as hhmm, from 0000 to 2359.
Enter the serial as group/count, for example 7/10.
Enter a whole number.
Enter a value.
Search in
Sent numbers
Received numbers
Multipliers
Whole field only
Search from
the first line
the line after the current one
Time difference
Days
Hours
Minutes
Lines
to
All lines
Column
Start number or value
One value for all lines
Number continuously
Count the selected QTCs too
Sent QTCs
Serial (group/count)
Comment
&Clear
Missing call extensions
Portable or mobile (/P, /M, /MM)
Maritime mobile (/MM)
Novice or technician (/N, /T)
Add the missing extensions to the calls
Check exchanged numbers
Serial numbers that do not increase
A value that changes
Field
Test these stations only
Leave these stations out
Calls
Statistics
Enter an e-mail address such as name@example.org.
Enter the section in letters, at most three.
&Options...|Settings of import, export, editor, compile, e-mail and folders
E-mail &journal...|The e-mails sent so far
&Finalize log...|Compile, save read-only, export and send the log in one go
Se&nd by e-mail...|Send an exported log to the contest's log robot
Options
Import|Export|Editor|Compile|Log robots|IARU points|E-mail|Folders
STF import|General|Exchanged numbers|Binary logs (CT, QW)|ADIF export|STF export|SMTP server|Sender|Sending
Show the field allocation dialog when reading STF files
Keep converted logs in the folder of the foreign file (not in the log folder)
Name converted logs after the own call
Accept letters and figures only in received exchanges
Read the QTC file beside a binary log
Show the ADIF field configuration before each ADIF export
Add the country field to STF exports
Add the QSO comments to STF exports
Fit the column widths to their contents
Sort the log by time when compiling
Remove empty lines when compiling
Lines on bands the contest does not allow are invalid
Lines in modes the contest does not allow are invalid
These settings change scores. The result report names each one that differs from its default; open logs are scored with the new settings at their next compile (F5).
QSO with a headquarters station|QSO in the own ITU zone|QSO on the own continent, other zone|QSO with another continent|Points of IARU QSOs (used because of the start-up switch /QUIRN; they are not stored)
Server|Port|User name|Password|Connect time-out (seconds)|Certificates (file; empty: the system's)|Sender address|Send a copy to me
This program sends the e-mail (SMTP)|The desktop's mail program composes it (xdg-email)
The password is kept in the settings file in scrambled form, and the file is readable by your user account only. Scrambling is not encryption: whoever can read the file can recover the password. User name and password are sent only over an encrypted connection.
Logs|Exported logs|Sent e-mails
Enter a whole number from %1 to %2.
Not an e-mail address (name@example.org).
Enter a folder as a full path (beginning with /).
This is a file, not a folder.
This folder does not exist yet; it is created when you press OK.
The folder cannot be created:
No blanks or control characters, please.
Please correct the marked entries first.
The file does not exist.
SMTP settings|Message|Sent message
To|Subject|Text|Sent on|Copy to|Contest|Call|Server|Sender
&Change settings...|Open the e-mail settings of the options
&Send
yes|no
SMTP login
The server %1 asks for a user name and a password. They are sent only over an encrypted connection.
Save the user name in the settings|Save the password in the settings (scrambled, not encrypted)
E-mail journal
E-mail folder:
Change &folder...|Choose the e-mail folder in the options
Finalize log
Save the log and lock it against changes|Export the log|Send the export by e-mail|Export format
At most %1 characters.
&Font of the logs...|The font of every log's grid
Export &dBase...|Write the log as a dBase table
ADIF c&onfiguration...|Choose the fields of the ADIF export
QSO columns|QTC columns
&Import
&Recognise the format...|Import a log of any known format
Time format|Contest identifier (contest_id)
&Cabrillo...|Import a Cabrillo log
In every QSO|Once in the file header
Restore defaults|Example (first line of the log):
&STF...|Import an STF log
is no free ADIF field name: use letters, digits and _ (beginning with a letter), and no field the export writes itself.
New layout|Stored layout:
&ADIF...|Import an ADIF file
&New...|Store the columns as a new layout
&Save|Save the format list
&Delete|Delete the chosen layout
&Rename...|Rename the chosen layout
C&lear|Set every column of the layout to 0
File extension:
From|To
Lines to read|Tab width
ASC&II...|Import a column text by a stored or new column layout
Values of the first line|The lines are
C&T...|Import a binary CT log
Select the columns of a field in the text and assign them with the right mouse button, or type the first and last column below.
A layout name must not be longer than 255 characters and may hold only printable characters.|A layout of this name exists already:
&NA...|Import an NA log
the file extension may hold only letters, digits, _ and - (at most 255 characters).|the first column lies after the last one, or only one of them is set.
&QW...|Import a binary QW log
Day|Month|Year|Hour|Minute
&Help
Check for a new &version...|Check whether a newer version of the program is offered
Update the &country file...|Fetch the published country file when it is newer than the installed one
&About...|Version of the program
Open the download page in the browser?
The installed country file is unchanged.
Job
&Write an export of every native log
&Convert import files into native logs
Create a common &result list from native logs
Files
Accept &only native logs (*.QZF)
Files
&Add...|Add files to the list
&Remove|Remove the selected files from the list
C&lear list
Select &all
Export format
Result report
Comment summary
Import format
Result list
Result list f&ile:
Name of the &outermost tag:

Contest
Take the contest from each file's &header data
Always use &this contest:
%1 of %2 files processed...
%1 of %2 files failed:
The name of the outermost tag must not be empty and must not contain blanks, '<', '>', '/' or '&'.
Please choose the file of the result list.
Cancelled after %1 of %2 files.
already exist(s). Replace the existing exports (Yes), keep them and skip those logs (No), or cancel?
< &Back
&Next >
&Finish
line(s) of the file could not be read and are not in the log. Saving the log writes it without them:
The settings file cannot be used. The program works with the default settings and stores none until the file is readable or moved away:

Dupe of line
New multiplier:
Does not count (invalid)
Real-time clock: a line appended in fast append takes the current UTC date and time
















Points
Result overview of
Good  Invalid Dupe  Deleted
Final result =
QSO comment summary (Crosscheck/UBN report) of
[no QSO comments available]
No log is open.
Create a new log, open one, or pick one of the logs used lately:






















&Fill into the selected lines|Fill the current cell's value into every selected line
&Font of the output windows...|The font of the messages, result and export windows
Tile &horizontally|The log windows one above the other
Tile &vertically|The log windows side by side
&Minimise all|Minimise every log window
&Arrange icons|Line up the minimised log windows
&Manual|The user manual
&Keyboard shortcuts|Every command with its key
No file manager could show the folder. It is here:
Folder
Format
Preview
&Back
&Forward
&Contents
Command
Key
Menu
The manual is not installed; it was looked for in
not a file of a known format
The current line is not selected. Select the lines to fill (the current one among them), then fill again.





























Re&do|Make the undone change again
all
Pts

















For files that name no contest the program knows, &use the contest below
Failed files (%1)
Table (TSV)
&Copy|Copy the selected text of this page, or all of it
C&lose
Also write the rows as a &table beside the list (%1)
Add &folder...|Add the log files of a folder
Cross-chec&k the logs of one contest (UBN reports, checked scores)
Cross-check
&Time window (minutes):
&Penalty per removed QSO (QSO points):
&Report folder:
Please choose the folder for the reports.
%1 logs and %2 QSOs checked in %3 s.
Findings
The reports are in %1
Matching the logs...
Choose folder...
The folder could not be opened: %1
left out of the folder as no log the program reads: %1 file(s)
Files that name no contest the program knows: choose the contest on the Contest page.



















Charts|Rates, multipliers and bands of the compiled log as charts
QSOs per hour by band
QSOs and multipliers so far
Bands by hour
QSOs
Multipliers
Time (UTC)
&Print...|Print the charts
Save as P&NG...|Save the charts as a PNG picture
Save as &SVG...|Save the charts as an SVG picture
No QSO with a date and time to chart yet.
PNG pictures (*.png)
SVG pictures (*.svg)
Off-times
Band changes
The picture could not be saved:
min or more
