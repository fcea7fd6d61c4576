package quandrell.bdsup2sub;

import java.io.IOException;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * The jar the program starts with "java -Xmx256m -jar": it hands its arguments
 * to the native bdsup2sub-native beside it and exits with that program's code.
 */
public final class Launcher {
    private Launcher() {
    }

    public static void main(String[] args) {
        Path tool;
        try {
            Path jar = Paths.get(Launcher.class.getProtectionDomain().getCodeSource().getLocation().toURI());
            tool = jar.resolveSibling("bdsup2sub-native");
        } catch (Exception e) {
            fail("cannot locate the jar: " + e.getMessage());
            return;
        }
        List<String> command = new ArrayList<>();
        command.add(tool.toString());
        command.addAll(Arrays.asList(args));
        try {
            Process process = new ProcessBuilder(command).inheritIO().start();
            System.exit(process.waitFor());
        } catch (IOException e) {
            fail("cannot start " + tool + ": " + e.getMessage());
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
            fail("interrupted");
        }
    }

    private static void fail(String message) {
        System.err.println("ERROR: " + message);
        System.exit(1);
    }
}
