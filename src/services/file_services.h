#pragma once
// File utilities of the file dialog object: a file's date, a guarded move,
// short and long names, starting a file, a directory listing into a text
// file, and the download and update hand-over.

#include <optional>
#include <string>

#include "platform/file_system.h"

// The file's creation date and time; nothing for a missing file.
std::optional<platform::DateTime> getFileDate(const std::string& FileName);

// True when the file now lies under the new name and no longer under the old.
// An existing destination is replaced only with Overwrite, and stays as it
// was when the move fails.
bool FileMove(const std::string& Source, const std::string& Destination, bool Overwrite = false);

// The short or long form of the path, or the path itself.
std::string FileGetShortFileName(std::string Path);
std::string FileGetLongFileName(std::string Path);

// Starts a program directly, or a document with its associated program; the
// caller's Datei keeps the bare file name. The task identifier, or nothing.
std::optional<unsigned long> FileRun(std::string& Datei, int Style = 0);

// Writes the full paths of all entries below Path that match SearchExtension
// into the text file, depth first. False when the target cannot be written.
bool ReadDirctoryStructureToFile(std::string& Path, const std::string& TargetTextFileName,
                                 const std::string& SearchExtension = "", bool AppendTarget = false);

// Fetches the address into the destination (a file, or a directory that the
// address's last segment names a file in); the file written, or empty text.
// Overwrite 0 finds a free name, 1 and 2 leave an existing target alone, any
// other value replaces it.
std::string URLToFileDownload(std::string URL_Source, std::string Path_Destination, int Overwrite = 0);

// Fetches a missing updater, starts it for the update and ends the program;
// returns (false) only when there is no updater.
bool DownloadUpdateWithUpdater(const std::string& URLFileToDownload, const std::string& LocalFileToUpdate,
                               const std::string& LocalUpdaterEXE = "", const std::string& URLUpdaterEXE = "",
                               const std::string& ProgramParam = "");
