#pragma once
// The RELAX NG test suite holds every case inside one file (spectest.xml):
// schemas, the files they include, and instances, each as the content of an
// element. A validator that follows only the document's own references needs
// each instance as a file that names its schema, so these write them out.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kRelaxNgNamespace = "http://relaxng.org/ns/structure/1.0";

// The instruction that associates an instance with schema.rng beside it.
std::string RelaxNgModelInstruction();

// DOCUMENT with the association placed first: after the XML declaration when
// there is one, before anything else otherwise (a byte order mark stays in
// front). Every other byte is kept as it was. nullopt when the declaration is
// never closed.
std::optional<std::string> WithModelInstruction(std::string_view document);

// Whether NAME (a suite's resource or dir name) can be used as one path step
// in the case's folder without leaving it.
bool IsPlainFileName(std::string_view name);

// Writes every case of FOLDER/spectest.xml under FOLDER/cases/ and the list
// of instances with their verdicts to FOLDER/MANIFEST.tsv. Returns the number
// of test cases, or nullopt with a message in *error.
std::optional<std::size_t> WriteRelaxNgCases(const std::filesystem::path& folder,
                                             std::string* error);
