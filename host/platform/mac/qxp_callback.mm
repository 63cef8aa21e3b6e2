#include "host/platform/mac/qxp_callback.h"

#include "host/host.h"
#include "xt/xtcallbacks.h"

@implementation QXPXTCallbackRegistration

- (id)initWithCode:(int32_t)code
             flags:(int32_t)flags
          priority:(int32_t)priority
            target:(id)target
          selector:(SEL)selector {
    self = [super init];
    if (!self) return nil;
    _code = code;
    _flags = flags;
    _priority = priority;
    // Kept alive while registered: the host may call it until the
    // registrations are dropped with the host that took them.
    _target = [target retain];
    _selector = selector;
    return self;
}

- (void)dealloc {
    [_target release];
    [super dealloc];
}

- (int32_t)code {
    return _code;
}

- (int32_t)flags {
    return _flags;
}

- (int32_t)priority {
    return _priority;
}

- (int32_t)callWithRecord:(void*)record {
    if (!_target || ![_target respondsToSelector:_selector]) return 0;
    using Handler = int32_t (*)(id, SEL, void*);
    Handler handler = reinterpret_cast<Handler>([_target methodForSelector:_selector]);
    return handler(_target, _selector, record);
}

@end

@implementation PlexhostPanelContainer

- (id)init {
    self = [super init];
    if (self) _panels = [[NSMutableArray alloc] init];
    return self;
}

- (void)dealloc {
    [_panels release];
    [super dealloc];
}

- (void)addView:(id)panel {
    if (panel) [_panels addObject:panel];
}

- (NSArray*)panels {
    return _panels;
}

@end

namespace {

QXPXTCallback* sShared = nil;
NSMutableArray* sRegistrations = nil;
NSMenu* sContextMenu = nil;
PlexhostPanelContainer* sPrefsContainer = nil;
PlexhostPanelContainer* sStylesContainer = nil;
PlexhostPanelContainer* sFreshContainer = nil;
int32_t sFreshCode = 0;

void replace(id* slot, id value) {
    [value retain];
    [*slot release];
    *slot = value;
}

// The host sends its callbacks with the records of xtcallbacks.h; a Cocoa
// plug-in gets the same record with Cocoa objects in place of the host's
// own menus and containers.
int32_t cocoaCallbackProc(void* record) {
    if (!record) return 0;
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    const int32_t code = static_cast<XTCBHeader*>(record)->cbCode;
    void* cocoaRecord = record;
    XTMenuRec menu{};
    XTAppPrefsRec prefs{};
    XTOutputStylesRec styles{};
    if (code == kXTCBAddMenus || code == kXTCBContextMenu) {
        menu = *static_cast<XTMenuRec*>(record);
        if (code == kXTCBAddMenus) {
            menu.menu = [NSApp mainMenu];
        } else {
            replace(reinterpret_cast<id*>(&sContextMenu),
                    [[[NSMenu alloc] initWithTitle:@"context"] autorelease]);
            menu.menu = sContextMenu;
        }
        cocoaRecord = &menu;
    } else if (code == kXTCBAppPrefs) {
        prefs = *static_cast<XTAppPrefsRec*>(record);
        replace(reinterpret_cast<id*>(&sPrefsContainer),
                [[[PlexhostPanelContainer alloc] init] autorelease]);
        prefs.container = reinterpret_cast<XTPanelContainerRef>(sPrefsContainer);
        replace(reinterpret_cast<id*>(&sFreshContainer), sPrefsContainer);
        sFreshCode = code;
        cocoaRecord = &prefs;
    } else if (code == kXTCBOutputStyles) {
        styles = *static_cast<XTOutputStylesRec*>(record);
        replace(reinterpret_cast<id*>(&sStylesContainer),
                [[[PlexhostPanelContainer alloc] init] autorelease]);
        styles.container = reinterpret_cast<XTPanelContainerRef>(sStylesContainer);
        replace(reinterpret_cast<id*>(&sFreshContainer), sStylesContainer);
        sFreshCode = code;
        cocoaRecord = &styles;
    }
    for (QXPXTCallbackRegistration* r in [NSArray arrayWithArray:sRegistrations]) {
        if ([r code] == code) [r callWithRecord:cocoaRecord];
    }
    [pool drain];
    return 0;
}

} // namespace

PlexhostPanelContainer* takeFreshPanelContainer(int32_t* code) {
    PlexhostPanelContainer* fresh = [sFreshContainer autorelease];
    sFreshContainer = nil;
    if (code) *code = sFreshCode;
    return fresh;
}

@implementation QXPXTCallback

+ (QXPXTCallback*)sharedInstance {
    if (!sShared) {
        sShared = [[QXPXTCallback alloc] init];
        sRegistrations = [[NSMutableArray alloc] init];
    }
    return sShared;
}

- (id)registerCallback:(uint32_t)xtId
             forCBCode:(int32_t)code
             withFlags:(int32_t)flags
              priority:(int32_t)priority
            withTarget:(id)target
          withSelector:(SEL)selector {
    plxhost::Host* host = plxhost::Host::current();
    // Plug-ins register while they activate, before the host counts them
    // as accepted; an identifier is all it asks for.
    if (!host || xtId == 0 || !target || !selector) return nil;
    QXPXTCallbackRegistration* registration =
        [[[QXPXTCallbackRegistration alloc] initWithCode:code
                                                   flags:flags
                                                priority:priority
                                                  target:target
                                                selector:selector] autorelease];
    // One dispatcher per code in the host's registry, so the code is called
    // in the host's order among the plain callbacks of other plug-ins.
    // A host whose registry holds no dispatcher yet is a new one: the
    // registrations made with an earlier host of this process go.
    bool fresh = true;
    bool known = false;
    for (const plxhost::Registration& r : host->callbacks().all()) {
        if (r.proc != cocoaCallbackProc) continue;
        fresh = false;
        known = known || r.code == code;
    }
    if (fresh) [sRegistrations removeAllObjects];
    [sRegistrations addObject:registration];
    if (!known) host->callbacks().add(code, cocoaCallbackProc, flags, priority);
    return registration;
}

- (NSArray*)registrations {
    return sRegistrations;
}

- (NSMenu*)lastContextMenu {
    return sContextMenu;
}

- (PlexhostPanelContainer*)lastPrefsContainer {
    return sPrefsContainer;
}

- (PlexhostPanelContainer*)lastStylesContainer {
    return sStylesContainer;
}

@end
