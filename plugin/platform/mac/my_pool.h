// MyPool: one autorelease pool for the life of a local object, around work
// that makes temporary Cocoa objects outside the host's own event loop.
// Objective-C++ only.
#pragma once

#import <Foundation/Foundation.h>

class MyPool {
  public:
    MyPool() : pool_([[NSAutoreleasePool alloc] init]) {}
    ~MyPool() { [pool_ drain]; }
    MyPool(const MyPool&) = delete;
    MyPool& operator=(const MyPool&) = delete;

  private:
    NSAutoreleasePool* pool_;
};
