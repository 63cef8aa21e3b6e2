// MyLog: the log's object-formatted lines (macOS). Objective-C++ only.
//
// While logging is on, appends "hh:mm:ss:mmm: Plexmoor::message" and an LF
// to the log (these lines end in LF, not in the CR of dprintf's lines),
// the message formatted from a Cocoa format ("%@" takes an object) and cut
// to 7999 bytes at a character boundary.
#pragma once

#import <Foundation/Foundation.h>

void MyLog(NSString* format, ...) NS_FORMAT_FUNCTION(1, 2);

// The line MyLog writes for a message at a time, without the check whether
// logging is on: "%@: %s::%@\n" from the time, the product and the message.
NSString* myLogLine(NSDate* when, NSString* message);
