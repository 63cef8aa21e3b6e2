// From the page-range text a person types to the ordered list of pages an
// export run outputs.
#pragma once

#include <cstddef>
#include <cstdint>

#include "plugin/export/export_data.h"

class MyArray;

// The longest page-range text the export dialog reads, terminator
// included; a longer one is refused as invalid.
constexpr size_t kPageTextSize = 32768;

// Parses a list of items separated by commas, each a page or two pages
// joined by a hyphen, into the record's page set (cleared first), reading
// `absolute` and `numPages`. The text is changed in place. 0 when valid
// (the empty text is valid and selects nothing), -1 when not; a page past
// kMaxExportPages is not valid.
int16_t getPageRange1(char* text, ExportData* data);

// The page field's first text: the current page as a number (absolute) or
// as its label (at most 31 bytes).
void initialPageText(const ExportData& data, char* dst, size_t capacity);
// The text of "All": "1-N" in absolute numbers, else first and last labels.
void allPagesText(const ExportData& data, bool absolute, char* dst, size_t capacity);

// Whether a style exports spreads: the host's own option of its medium.
bool spreadsForStyle(OutputStyleRef style, uint32_t medium);

// Each spread with a selected page is then represented by its first page.
void foldPagesIntoSpreads(ExportData* data);
// Appends the selected pages in ascending order.
void buildPageList(const ExportData& data, MyArray* list);
