#pragma once
// Where the game keeps its files. A copy run from a folder of its own (the
// build tree, a portable copy) keeps everything beside itself, as it always
// did. An installed game keeps the player's settings and results in the
// player's own folders and finds what it ships where it was installed.

#include <filesystem>

namespace tumbla {

struct GameFolders {
    std::filesystem::path settings;  // Tumbla.ini
    std::filesystem::path data;      // Tumbla.Fam, _Work.WK, where the save dialogs start
    std::filesystem::path resources; // what ships with the game: html/vysledky.htm
    bool iniWritable = false;        // whether `settings` and `data` may be written

    // Everything in one folder, as a portable copy has it.
    static GameFolders InOne(const std::filesystem::path& folder, bool writable);
};

// What the start-up found out about the places it could use.
struct FolderFacts {
    std::filesystem::path programDirectory;
    std::filesystem::path resourceDirectory; // ResourceFolder(programDirectory)
    bool programDirectoryWritable = false;   // accepts new files
    bool programIniReadOnly = false;         // a Tumbla.ini there may not be written
    std::filesystem::path configLocation;    // the player's configuration folder
    std::filesystem::path dataLocation;      // the player's data folder
    bool playerFoldersWritable = false;      // both exist and accept new files
    bool playerIniReadOnly = false;

    // The executable lies apart from its data, under an install prefix. Such
    // a game never writes beside itself, even where it could (a player's own
    // prefix such as ~/.local, or root).
    bool installed() const { return resourceDirectory != programDirectory; }
};

GameFolders ChooseGameFolders(const FolderFacts& facts);

// The data that ships with the game: beside the executable in the build tree
// and in a portable copy, else where the install put it relative to the
// executable (../share/tumbla).
std::filesystem::path ResourceFolder(const std::filesystem::path& programDirectory);
// Where the install puts that data, relative to the executable's folder.
std::filesystem::path InstalledResourcesFromBinary();

// Probes the program folder and, only when the game will not live there,
// makes and probes the player's folders.
FolderFacts GatherFolderFacts(const std::filesystem::path& programDirectory,
                              const std::filesystem::path& configLocation,
                              const std::filesystem::path& dataLocation);

// For the running program: the executable's folder and the player's
// configuration and data folders of the platform.
GameFolders FindGameFolders();

} // namespace tumbla
