// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message text of the program, in one place.
#include <string_view>

namespace app::msg {

inline constexpr std::string_view kApplicationTitle = "Steeplewatcher";
inline constexpr std::string_view kMissingDataFile = "Cannot Find data file \"Parishes.Dat\". Application Will Close";
inline constexpr std::string_view kTerminate = "Terminate Application?";
// The general error box for an error that carries no text of its own.
inline constexpr std::string_view kUnexpectedError = "The command ended with an unexpected error.";
inline constexpr std::string_view kReadOnlyDataFile =
    "Parishes.Dat is read-only. You can browse and search it, but changes cannot be saved.";

inline constexpr std::string_view kDamagedDataFile =
    "Parishes.Dat is damaged: its size is not a whole number of records. Its last record cannot be read, "
    "and changes cannot be saved.";

inline constexpr std::string_view kNoMatch = "No Matching Name Found";
inline constexpr std::string_view kNoItemSelected = "No Item Selected";
inline constexpr std::string_view kClearAllHistory = "Are you sure that you want to CLEAR ALL the History Records?";

inline constexpr std::string_view kMainlandAndIrish =
    "Not Able to calculate distances between Mainland and Irish Parishes";
inline constexpr std::string_view kBadFirstParish = "1st Parish Contains Invalid or No Data.";
inline constexpr std::string_view kBadSecondParish = "2nd Parish Contains Invalid or No Data.";
inline constexpr std::string_view kRadiusNotNumeric = "Radius NOT Numeric: ";
inline constexpr std::string_view kBadEasting = "Error Parish 2 East: ";
inline constexpr std::string_view kBadNorthing = "Error Parish 2 North: ";
inline constexpr std::string_view kMaxHits = "Program Terminated with Maximum 1000 Matches";

inline constexpr std::string_view kNoReportFile =
    "Cannot Find data file \"ParList.txt\". Re-Run Parishes within a Radius";
inline constexpr std::string_view kUnknownReport = "Sorry, could NOT determine the type of Report";
inline constexpr std::string_view kCountyListQuestion =
    "Are you sure that you want to CREATE A County Parish List for ";
inline constexpr std::string_view kCountyNotThree = "Target County MUST be exactly 3 Characters long";
inline constexpr std::string_view kSearchListQuestion = " Create a  Parish List matching the Search String - ";

inline constexpr std::string_view kNotAllowedToAmend = "You are not allowed to amend this record.";
// The name a record saved with an empty name gets.
inline constexpr std::string_view kBlankName = "A Blank Name Record";
inline constexpr std::string_view kUpdateCancelled = "Update Cancelled";
inline constexpr std::string_view kSaveAmendment = "Are you sure that you want to SAVE the Amendment to this record?";
inline constexpr std::string_view kQuoteInName = "Quote Marks \" are not allowed in Parish Name Field";
inline constexpr std::string_view kCommaInType = "Commas , are not allowed in the Type Field";
inline constexpr std::string_view kCommaInCounty = "Commas , are not allowed in the County Field";
inline constexpr std::string_view kCommaInCountry = "Commas , are not allowed in the Country Field";
inline constexpr std::string_view kCommaInOsRef = "Commas , are not allowed in the OsREf Field";
inline constexpr std::string_view kAmendedEastingNotNumeric = "Easting NOT Numeric";
inline constexpr std::string_view kAmendedNorthingNotNumeric = "Northing NOT Numeric";

inline constexpr std::string_view kNotAllowedToDelete = "You are not allowed to delete this record.";
inline constexpr std::string_view kMarkQuestion = "Mark current Record for Deletion?";
inline constexpr std::string_view kUnmarkQuestion = "Un-Mark Current Record for Deletion?";
inline constexpr std::string_view kRemoveQuestion =
    "A Back-Up is recomended First. Remove Marked Records from File now?";
inline constexpr std::string_view kMarkedRemoved = "Marked Records Removed";

inline constexpr std::string_view kTooManyToSort =
    "Sorry, there are more than 30,000 records in your file.  Sort NOT Possible.";
inline constexpr std::string_view kSortQuestion = "A Back-Up is recomended First. Start sort now?";

inline constexpr std::string_view kImportQuestion = " Import and Append Records from a CSV File?";
inline constexpr std::string_view kOpenTitle = "Open";
inline constexpr std::string_view kCsvFilter = "CSV files (*.csv )|*.CSV|All files (*.*)|*.*";
// Followed by the line numbers.
inline constexpr std::string_view kShortLinesSkipped = "Lines with fewer than seven fields were not imported: ";
// Between them the line number, then the character's code.
inline constexpr std::string_view kUnstorableStart = "Line ";
inline constexpr std::string_view kUnstorableMiddle =
    " of the CSV file holds a character that Parishes.Dat cannot store (";
inline constexpr std::string_view kUnstorableEnd = "). Nothing was imported.";

inline constexpr std::string_view kBackUpStart = "To Start Back-Up. Place a disk in Drive A and press OK";
inline constexpr std::string_view kNoDisk = "No Disk in A drive";
inline constexpr std::string_view kOverwriteBackUp = "This disk already contains a Back-Up File. OverWrite It?";
inline constexpr std::string_view kBackUpDone = "BackUp Copy Done";
inline constexpr std::string_view kBackUpFailed = "BackUp Copy Failed";
inline constexpr std::string_view kRestoreStart = "To Start Restore Place your disk in Drive A and press OK";
inline constexpr std::string_view kNoBackUpFile = "Cannot find file Parishes.Bak on this floppy disk.";
inline constexpr std::string_view kRestoreDone = "Restore  Done";
inline constexpr std::string_view kRestoreFailed = "Restore Failed";

inline constexpr std::string_view kScaleNotNumeric = "Scale not numeric.";
inline constexpr std::string_view kScaleOutOfRange = "Scale out of Range 5-75";
inline constexpr std::string_view kNoPlotFile =
    "Cannot Find data file \"PlotList.txt\". Re-Run Parishes within a Radius";
inline constexpr std::string_view kMaxScale = "Max Scale = 75";
inline constexpr std::string_view kMinScale = "Min Scale = 5";
inline constexpr std::string_view kNoGbPlaces = "Cannot Find data file \"UKLocs.txt\". See ReadMe File";
inline constexpr std::string_view kNoIrlPlaces = "Cannot Find data file \"IRLLocs.txt\". See ReadMe File";
inline constexpr std::string_view kNoGbCoast = "Cannot Find data file \"UKCoast.txt\". See ReadMe File";
inline constexpr std::string_view kNoIrlCoast = "Cannot Find data file \"IRLCoast.txt\". See ReadMe File";
inline constexpr std::string_view kMaxLocationScale = "You Have Reached the Maximum Scale.";
inline constexpr std::string_view kMinLocationScale = "You Have Reached the Minimum Scale.";

inline constexpr std::string_view kSavePlotTitle = "Save Plot As";
inline constexpr std::string_view kPictureFilter = "PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg";

inline constexpr std::string_view kNoReadMeFile = "Unable to find file \"ReadMe.rtf\". ";
inline constexpr std::string_view kNoCountyFile = "Unable to find file \"County.txt\". ";

inline constexpr std::string_view kVersionRecord = "This is the Database Version Number.";
inline constexpr std::string_view kNoMapFile = "Cannot Find data file \"MapList.Dat\". Re-Load software";
inline constexpr std::string_view kNotForIreland = "Sorry.  This function is not available for Ireland.";
inline constexpr std::string_view kEastingNotNumeric = "Easting is not Numeric.";
inline constexpr std::string_view kNorthingNotNumeric = "Northing is not Numeric.";
inline constexpr std::string_view kBrowserQuestionStart = "You are about to ask your internet browser to contact ";
inline constexpr std::string_view kBrowserQuestionMiddle = " to display a map showing the location of ";
inline constexpr std::string_view kBrowserQuestionEnd = "...........              Do You Wish to Continue?";
inline constexpr std::string_view kNoBrowser = "Sorry.  Unable to find a default Internet Browser.";

// The maintainer's menu "My Tools".
inline constexpr std::string_view kCreateTestFileQuestion = "Create a Test File?";
inline constexpr std::string_view kCreateTestFileTitle = "Create Test File";
inline constexpr std::string_view kHowManyRecords = "How Many Records";
// Between them the number of records written.
inline constexpr std::string_view kTestFileCreatedStart = "Test file created with ";
inline constexpr std::string_view kTestFileCreatedEnd = " records.";
inline constexpr std::string_view kCreateTestFileFailed = "Unable to Delete Data File. Create Test File Failed ";
// After the quoted text that is no whole number, as the general error box shows it.
inline constexpr std::string_view kNotAnInteger = " is not a valid integer value";
inline constexpr std::string_view kConvertDataQuestion = "Are you sure that you want to CREATE A NEW Data File?";
inline constexpr std::string_view kTotalFree = "TotalFree = ";
inline constexpr std::string_view kBigFree = " BigFree = ";
inline constexpr std::string_view kSmallFree = " SmallFree = ";
inline constexpr std::string_view kAvailable = "Available = ";
inline constexpr std::string_view kTotalAllocated = " Total Allocated = ";
inline constexpr std::string_view kBatchQuestion = "This will run the Batch Program.  Do you wish to Cancel?";
inline constexpr std::string_view kDone = "Done";
inline constexpr std::string_view kConvertMapDataQuestion = "Are you sure that you want to CREATE A NEW Map File?";
inline constexpr std::string_view kJobDone = "Job Done";
inline constexpr std::string_view kMapCheckQuestion = "This will run the Map Check Program.  Do you wish to Cancel?";
inline constexpr std::string_view kNoMapListText = "Cannot Find data file \"MapList.txt\". Re-Load software";
// Between them the map list line and its number of errors.
inline constexpr std::string_view kHasErrorsMiddle = " Has ";
inline constexpr std::string_view kHasErrorsEnd = " Errors";
inline constexpr std::string_view kRecordCount = "Record Count = ";
inline constexpr std::string_view kJobFinished = "Job Finished";

} // namespace app::msg
