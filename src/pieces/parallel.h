// Work on many pieces at once: runs a job for every piece number on a few threads.
// Cutting the pieces and rendering the atlases use it; their per-piece jobs touch
// nothing that another piece's job touches, so the results do not depend on the
// number of threads or on which thread did which piece.
#pragma once
#include <cstddef>
#include <functional>

namespace quill {

// The number of threads the imaging uses when not told: one per processor core.
int DefaultImagingThreads();

// Calls job(worker, k) once for every k in 0 .. count − 1, spread over `threads`
// workers (numbered 0 .. threads − 1; 1 or less: the calling thread alone). The
// calling thread is worker 0 and alone calls done(n) after each of its jobs with
// the number of jobs finished so far. A worker runs its jobs one after another, so
// per-worker state indexed by `worker` needs no locking. The first failure stops
// the remaining jobs and is raised here once every worker has stopped.
void ForEachOnThreads(size_t count, int threads, const std::function<void(int worker, size_t k)>& job,
                      const std::function<void(size_t finished)>& done = {});

}  // namespace quill
