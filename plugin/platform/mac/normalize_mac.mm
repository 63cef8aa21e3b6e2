// Composition through the platform's strings, as a Mac build does it:
//
//     CFStringNormalize(mutable, kCFStringNormalizationFormC);
//
// GNUstep has no CoreFoundation; NSString's canonical precomposition is
// the same form (Foundation's own name for it on both systems).
#include "plugin/support/normalize.h"

#import <Foundation/Foundation.h>

#include "my_pool.h"

bool composeCanonical(std::vector<uint16_t>& units) {
    MyPool pool;
    NSString* text = [NSString stringWithCharacters:reinterpret_cast<const unichar*>(units.data())
                                             length:units.size()];
    NSString* composed = [text precomposedStringWithCanonicalMapping];
    if (!composed) return false;
    std::vector<uint16_t> out([composed length]);
    [composed getCharacters:reinterpret_cast<unichar*>(out.data())
                      range:NSMakeRange(0, out.size())];
    units.swap(out);
    return true;
}
