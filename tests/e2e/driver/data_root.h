#pragma once

#include <map>
#include <string>

#include "platform/win32/win32_headers.h"

namespace e2e {

// The product's fixed data root, built and inspected by the tests.
inline const std::wstring kDataRoot = L"C:\\DATA-REKODARIS-SM$";

// Every folder and file under the data root: relative path -> content. Folders
// end with a backslash and have no content; a missing root gives an empty tree.
using FileTree = std::map<std::wstring, std::string>;

// Creates the folder (relative to the data root) with its parents and the root.
void CreateDataFolder(const std::wstring& relative);

// Creates a file (relative to the data root) holding bytes, with attributes.
void CreateDataFile(const std::wstring& relative, const std::string& bytes,
                    DWORD attributes = FILE_ATTRIBUTE_NORMAL);

FileTree ListDataRoot();

// Removes the data root and everything under it, read-only and hidden files too.
void RemoveDataRoot();

}  // namespace e2e
