"""The real program on an X server of its own, for the tests that look at it
from outside."""
import contextlib
import os
import signal
import subprocess
import tempfile


@contextlib.contextmanager
def xvfb():
    """An Xvfb at 96 dpi on a free display; yields an environment for it."""
    r, w = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "800x600x24", "-dpi",
                               "96", "-nolisten", "tcp", "-noreset"],
                              pass_fds=(w,), stderr=subprocess.DEVNULL)
    os.close(w)
    try:
        number = b""
        while not number.endswith(b"\n"):  # the pipe stays open: the server must write it all
            chunk = os.read(r, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        with tempfile.TemporaryDirectory() as home:
            run = os.path.join(home, "run")
            os.mkdir(run, 0o700)
            yield dict(os.environ, DISPLAY=":" + number.decode().strip(), HOME=home,
                       XDG_RUNTIME_DIR=run)
    finally:
        server.terminate()
        server.wait(timeout=10)
        os.close(r)


@contextlib.contextmanager
def spust(cmd, env):
    """A process, ended when the block ends."""
    p = subprocess.Popen(cmd, env=env, stderr=subprocess.DEVNULL)
    try:
        yield p
    finally:
        p.terminate()
        p.wait(timeout=10)


@contextlib.contextmanager
def spust_skupinu(cmd, env, **kwargs):
    """A process in a session of its own, ended with all it started there
    when the block ends: asked to end, killed if it is still there after a
    while."""
    p = subprocess.Popen(cmd, env=env, stderr=subprocess.DEVNULL, start_new_session=True,
                         **kwargs)
    try:
        yield p
    finally:
        with contextlib.suppress(ProcessLookupError):
            os.killpg(p.pid, signal.SIGTERM)
        with contextlib.suppress(subprocess.TimeoutExpired):
            p.wait(timeout=5)
        with contextlib.suppress(ProcessLookupError):
            os.killpg(p.pid, signal.SIGKILL)  # it, or what it left in its session
        p.wait(timeout=10)
