#pragma once

#include <string>

// Where the program keeps files of its own: the folder of the running executable (the
// shipped city code file, automatic-save files) and the per-user data folder used when the
// program's folder cannot be written. Paths have no trailing separator.
namespace program_folders {

// The folder that holds the running executable; "." when it cannot be found.
std::string ExecutableFolder();
// $XDG_DATA_HOME/Halvard_Systems/Quillmark, else ~/.local/share/Halvard_Systems/Quillmark
// (the folder Qt's application data location names); not created here.
std::string UserDataFolder();
// True when a new file can be created in folder (it exists, is a folder and is writable).
bool IsWritableFolder(const std::string& folder);
// Creates folder and its missing parents; true when it exists as a folder afterwards.
bool MakeFolders(const std::string& folder);

}  // namespace program_folders
