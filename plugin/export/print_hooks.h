// The host's print callbacks through which an export steers each output
// job: the job-info callback sets the page range, output area, style and
// file; the two PostScript callbacks add the product comment, the process
// colour comment, the crop box of a PDF box export and the page frame.
#pragma once

#include <cstdint>

// Registers 681 (job info), 145 (comments) and 155 (page), in that order.
void registerExportCallbacks();

int32_t doJobInfo(void* cbRecord);
int32_t psCommentsCallback(void* cbRecord);
int32_t psPageCallback(void* cbRecord);
