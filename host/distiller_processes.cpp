#include "host/distiller.h"

#include <algorithm>

#include "host/distiller_protocol.h"
#include "host/file_open.h"
#include "host/ghostscript_output.h"
#include "host/postscript_writer.h"

// The kept Ghostscript processes' lives: their start with the procedures
// every job uses and the set-up they keep, their replacement after their
// share of jobs, and their end.
namespace plxhost {

using namespace distiller_detail;

namespace {

// How many jobs before its replacement a process's successor starts:
// enough for its start (about a tenth of a second, most of it Ghostscript
// reading its own start-up files) to be over before it is needed.
constexpr int kSuccessorLead = 30;

} // namespace

void Distiller::stop() {
    for (auto& server : servers_) retire(*server);
    reapLeaving();
}

// Waits until the files of the process's jobs are whole.
void Distiller::awaitJobsOf(Server& server) {
    for (Job& job : jobs_) {
        if (job.server == &server && !job.ended) awaitEnd(job);
        if (job.server == &server) awaitClosed(job);
    }
}

// Ends a process once the files of its jobs are whole, and its successor.
void Distiller::retire(Server& server) {
    awaitJobsOf(server);
    end(server);
    if (server.successor) end(*server.successor);
    server.successor.reset();
}

void Distiller::end(Server& server) {
    server.process.stop("quit\n", kQuitSeconds);
    server.setup.clear();
    for (std::string* file : {&server.idle, &server.setupFile}) {
        if (!file->empty()) removeFile(*file);
        file->clear();
    }
}

// A process that ran its share of jobs (or ended) makes way for its
// successor, started while it ran its last jobs, so that the run waits
// neither for the old process to end nor for the new one to start: the
// old one is told to quit once its jobs' files are whole, and waited for
// a replacement of every process later (the processes reach their share
// together, and the one told just before may not have ended yet) or at
// the end.
Distiller::Server* Distiller::replace(Server* server) {
    awaitJobsOf(*server);
    auto place = std::find_if(servers_.begin(), servers_.end(),
                              [server](const std::unique_ptr<Server>& s) { return s.get() == server; });
    std::unique_ptr<Server> successor = std::move(server->successor);
    if (!successor || !successor->process.running() || successor->process.ended()) {
        if (successor) end(*successor);
        successor = std::make_unique<Server>();
    }
    successor->lastUse = server->lastUse;
    server->process.bidFarewell("quit\n");
    leaving_.push_back(std::move(*place));
    *place = std::move(successor);
    if (leaving_.size() > servers_.size()) {
        end(*leaving_.front());
        leaving_.erase(leaving_.begin());
    }
    return place->get();
}

void Distiller::reapLeaving() {
    for (auto& server : leaving_) end(*server);
    leaving_.clear();
}

// Starts the process that is to take over from this one some jobs before
// it has run its share, with the set-up it keeps. One that cannot start is
// left out: the replacement then starts a process itself and says what
// failed.
void Distiller::prepareSuccessor(Server& server) {
    if (jobsPerProcess_ <= 0 || server.successor || server.jobs < jobsPerProcess_ - kSuccessorLead)
        return;
    auto successor = std::make_unique<Server>();
    std::string why;
    if (launch(*successor, server.setup, &why)) server.successor = std::move(successor);
}

bool Distiller::startServer(Server& server, const std::string& setup, double seconds,
                            DistilledJob* result) {
    return launch(server, setup, &result->error) && awaitReady(server, seconds, result);
}

// Starts a process and sends it the procedures and the set-up to keep;
// awaitReady() takes its answer.
bool Distiller::launch(Server& server, const std::string& setup, std::string* error) {
    server.setup.clear();
    server.offered.clear();
    server.jobs = 0;
    server.unread.clear();
    server.readySaid.clear();
    server.switches = server.closed = server.sent = server.done = server.ready = 0;
    server.replies.clear();
    server.folder = jobFolder();
    server.idle = server.folder + "/idle" + std::to_string(++serial_) + ".pdf";
    std::vector<std::string> args = baseArguments(612, 792);
    args.push_back("-dNOPROMPT");
    args.push_back("-sOutputFile=" + outputFileArgument(server.idle));
    std::string why;
    if (!server.process.start(args, environment(), &why)) {
        *error = "Ghostscript (" + path_ + ") could not be started: " + why;
        return false;
    }
    // The procedures every job uses, defined once. A job ("N w h plxjob")
    // switches the output to WORK/jobN.pdf, which closes the file of the
    // job before, runs WORK/jobN.ps inside `stopped` and `save`/`restore`,
    // and says so; whatever a failed job left on the stacks goes. The
    // commands are short: Ghostscript reads them a byte at a time.
    //
    // The output switches themselves leave something in the interpreter's
    // memory that no garbage collection takes back (about 80 KB a job:
    // 29.6 MB after 50 jobs, 45.7 MB after 250). So every
    // kBatchJobs jobs run inside one more save, taken while the idle file
    // is the output: its restore goes back to the idle file, which closes
    // the last job's file, and gives that memory back. That costs one open
    // of the idle file a batch instead of one a job.
    std::string prefix = server.folder + "/job";
    std::string init = std::string(
        "/plxjobs 12 dict def\n"
        "plxjobs /jobs 0 put\n"
        "plxjobs /in ") + psBytesLiteral(prefix) + " put\n"
        "plxjobs /out " + psBytesLiteral(outputFileArgument(prefix)) + " put\n"
        "plxjobs /idle " + psBytesLiteral(outputFileArgument(server.idle)) + " put\n"
        "/plxfailed { (" + kFailed + " ) print $error /errorname get =only ( in ) print"
        " $error /command get =only (\\n) print } bind def\n"
        "/plxsetup { { run } stopped { plxfailed } if clear cleardictstack (" + kReady +
        ") print flush } bind def\n"
        "/plxbatch { plxjobs /jobs 0 put save plxjobs exch /batch exch put } bind def\n"
        "/plxjob { plxjobs /jobs get " + std::to_string(kBatchJobs) +
        " ge { plxjobs /batch get restore } if\n"
        "  plxjobs /batch known not { plxbatch } if\n"
        "  plxjobs begin /h exch def /w exch def 16 string cvs /n exch def"
        " /jobs jobs 1 add def end\n"
        "  << /OutputFile plxjobs /out get plxjobs /n get concatstrings (.pdf) concatstrings\n"
        "     /PageSize [ plxjobs /w get plxjobs /h get ] >> setpagedevice (" + kClosed +
        ") print flush\n"
        "  plxjobs /vm save put\n"
        "  { plxjobs /in get plxjobs /n get concatstrings (.ps) concatstrings run } stopped\n"
        "  { plxfailed } if\n"
        "  clear cleardictstack plxjobs /vm get restore initgraphics\n"
        "  (" + kEnded + ") print flush } bind def\n"
        "/plxclose { << /OutputFile plxjobs /idle get >> setpagedevice (" + kClosed +
        ") print flush } bind def\n";
    bool sent = server.process.send(init);
    if (sent && !setup.empty()) {
        // The first job's set-up becomes the process's own, outside any
        // job's save.
        server.setupFile = server.folder + "/setup" + std::to_string(++serial_) + ".ps";
        if (!writeScratch(server.setupFile, setup, error)) {
            end(server);
            return false;
        }
        sent = server.process.send(psBytesLiteral(server.setupFile) + " plxsetup\n");
        server.offered = setup;
    }
    if (!sent) {
        end(server);
        *error = "Ghostscript (" + path_ + ") did not take its commands";
    }
    return sent;
}

// Waits for the answer to the set-up a process was sent, when one is due.
bool Distiller::awaitReady(Server& server, double seconds, DistilledJob* result) {
    if (server.setupFile.empty()) return true;
    KeptProcess::Reply got = KeptProcess::Reply::kEnded;
    while (server.ready == 0 &&
           (got = readEvent(server, seconds)) == KeptProcess::Reply::kComplete) {
    }
    removeFile(server.setupFile);
    server.setupFile.clear();
    size_t failed = server.readySaid.find(kFailed);
    if (server.ready > 0 && failed == std::string::npos) {
        server.setup = std::move(server.offered);
        server.offered.clear();
        return true;
    }
    std::string* error = &result->error;
    if (server.ready > 0) {
        *error = "Ghostscript failed: " + failureOf(server.readySaid, failed);
    } else {
        result->timedOut = got == KeptProcess::Reply::kTimedOut;
        *error = result->timedOut
                     ? "Ghostscript did not finish within " + secondsText(seconds) + " seconds"
                     : "Ghostscript stopped answering";
        if (!server.unread.empty()) *error += ": " + ghostscriptSays(server.unread);
    }
    server.process.stop(std::string(), 0);
    end(server);
    return false;
}

} // namespace plxhost
