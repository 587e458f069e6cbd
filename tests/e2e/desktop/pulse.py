"""A PulseAudio server of the test's own, with one null sink, on a socket in a folder of its
own: killed, restarted and frozen (SIGSTOP) as a player's sound server may be."""
import os
import shutil
import signal
import subprocess
import tempfile
import time


class PulseServer:
    def __init__(self):
        self._temp = tempfile.TemporaryDirectory(prefix="quorvish-pulse-")
        self.folder = self._temp.name
        self.socket = os.path.join(self.folder, "native")
        self.process = None
        # What a client needs to reach this server and nothing else.
        self.env = {"PULSE_SERVER": f"unix:{self.socket}", "ALSOFT_DRIVERS": "pulse",
                    "PULSE_CLIENTCONFIG": os.path.join(self.folder, "client.conf")}
        with open(self.env["PULSE_CLIENTCONFIG"], "w") as f:
            f.write("autospawn = no\n")

    def start(self, wait=10.0):
        """Starts the server; the reason it could not start, or None once it answers."""
        if shutil.which("pulseaudio") is None or shutil.which("pactl") is None:
            return "pulseaudio or pactl is not installed"
        env = dict(os.environ, HOME=self.folder, XDG_RUNTIME_DIR=self.folder,
                   PULSE_RUNTIME_PATH=self.folder, **self.env)
        with open(os.path.join(self.folder, "server.log"), "a") as log:
            self.process = subprocess.Popen(
                ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
                 "--use-pid-file=no", "-L", f"module-native-protocol-unix socket={self.socket} "
                 "auth-anonymous=1", "-L", "module-null-sink sink_name=test"],
                env=env, stdout=log, stderr=log)
        deadline = time.monotonic() + wait
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                return f"pulseaudio ended with {self.process.returncode}: {self.server_log()}"
            answer = subprocess.run(["pactl", "info"], env=env, capture_output=True, timeout=10)
            if answer.returncode == 0:
                return None
            time.sleep(0.2)
        return "pulseaudio did not answer"

    def server_log(self):
        with open(os.path.join(self.folder, "server.log"), errors="replace") as f:
            return f.read()[-500:]

    def freeze(self):
        self.process.send_signal(signal.SIGSTOP)

    def thaw(self):
        self.process.send_signal(signal.SIGCONT)

    def kill(self):
        if self.process is not None and self.process.poll() is None:
            self.process.send_signal(signal.SIGCONT)
            self.process.kill()
            self.process.wait()

    def close(self):
        self.kill()
        self._temp.cleanup()
