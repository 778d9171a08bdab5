# Backtraces of every heap allocation of one steady frame of bench_frame:
#   xvfb-run -a -s '-screen 0 1366x768x24' env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy \
#     gdb -q -batch -x bench/bench_frame_allocations.gdb --args ./build-bench/bench/bench_frame 1 1000
# The benchmark's own malloc and operator new hand every block to glibc's
# __libc_* functions, so each allocation stops exactly once here; the
# breakpoints are armed between the two counts around the measured frame.
set pagination off
set print thread-events off
set confirm off
set $counts = 0
break Bench::CountAllocations
commands
  silent
  set $counts = $counts + 1
  if $counts == 1
    enable 2 3 4 5
    continue
  else
    kill
    quit
  end
end
break __libc_malloc
break __libc_calloc
break __libc_realloc
break __libc_memalign
disable 2 3 4 5
commands 2
  silent
  printf "\nmalloc(%lu)\n", $rdi
  bt 30
  continue
end
commands 3
  silent
  printf "\ncalloc(%lu, %lu)\n", $rdi, $rsi
  bt 30
  continue
end
commands 4
  silent
  printf "\nrealloc(%lu)\n", $rsi
  bt 30
  continue
end
commands 5
  silent
  printf "\nmemalign(%lu)\n", $rsi
  bt 30
  continue
end
run
