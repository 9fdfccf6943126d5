#pragma once
// Helpers of the skin core tests: ini files made from text, and key walkers that fill
// a record with random values, list its keys and print its values independently of
// the reader and writer under test.

#include <memory>
#include <random>
#include <vector>

#include "components/core/SkinData.h"

namespace skin_test {

// An ini in memory holding AText.
std::unique_ptr<TMemIniFile> IniFromText(std::string_view AText);
// The key names of ASection, lower-cased and sorted.
std::vector<String> SectionKeys(const TCustomIniFile& AIni, const String& ASection);

// The ini keys a record describes, lower-cased and sorted.
std::vector<String> DescribedKeys(TspSkinKeyedRecord& ARecord);
// Every field of the record as "key=value" lines, in the record's own order.
String DumpRecord(TspSkinKeyedRecord& ARecord);
// Gives every field a random value of its form (negative coordinates included), as a
// skin editor might.
void FillRandomly(TspSkinKeyedRecord& ARecord, std::mt19937& ARandom);

}  // namespace skin_test
