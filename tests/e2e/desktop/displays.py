"""X servers with a real refresh rate: Xorg with its dummy video driver and one mode of the
asked rate. Xorg needs root; dummy_xorg_usable says whether this machine can run it."""
import os
import shutil
import subprocess

# A 1024x768 mode whose pixel clock gives the asked refresh.
H_TIMINGS = (1024, 1048, 1184, 1344)
V_TIMINGS = (768, 771, 777, 806)
DUMMY_DRIVER = "/usr/lib/xorg/modules/drivers/dummy_drv.so"

CONFIG = """Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 65536
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-2000.0
  VertRefresh 5.0-2000.0
  Modeline "fixed" {clock:.4f} {h} {v}
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Modes "fixed"
  EndSubSection
EndSection
"""


def dummy_xorg_usable():
    return os.geteuid() == 0 and shutil.which("Xorg") is not None and os.path.exists(DUMMY_DRIVER)


def xorg_command(rate, display_fd, folder):
    """The command line of an Xorg whose one screen refreshes rate times a second, its
    configuration and log in folder, its display number written to display_fd."""
    conf = os.path.join(folder, "xorg.conf")
    clock = rate * H_TIMINGS[3] * V_TIMINGS[3] / 1e6
    with open(conf, "w") as f:
        f.write(CONFIG.format(clock=clock, h=" ".join(map(str, H_TIMINGS)),
                              v=" ".join(map(str, V_TIMINGS))))
    return ["Xorg", "-displayfd", str(display_fd), "-config", conf, "-noreset", "-nolisten", "tcp",
            "-logfile", os.path.join(folder, "xorg.log")]


def reported_refresh(env):
    """The current mode's refresh as xrandr reports it, for instance '143.99'."""
    out = subprocess.run(["xrandr", "--current"], env=env, capture_output=True, text=True,
                         timeout=30).stdout
    for line in out.splitlines():
        if "*" in line:
            return line.split()[1].rstrip("*+")
    return "?"
